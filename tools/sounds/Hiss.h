// One noise voice: seeded noise whose hold rate and low-pass cut-off may slide, under an
// envelope. Crunches, thuds and explosion tails are made of these.
#pragma once

#include <cstdint>
#include <vector>

#include "Envelope.h"

namespace vorn::sounds {

struct Hiss {
    double seconds = 0.2;
    double holdHz = 0.0;       // new noise values a second; 0: every sample
    double holdToHz = 0.0;     // 0: the hold rate stays put
    double lowPassHz = 0.0;    // 0: unfiltered
    double lowPassToHz = 0.0;  // 0: the filter stays put
    Envelope envelope;
    double gain = 1.0;
    uint64_t seed = 1;

    std::vector<float> render(int rate) const;
};

}  // namespace vorn::sounds

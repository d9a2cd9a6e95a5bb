// Seeded white noise. Holding each value for a while (the hold rate) turns the hiss into the
// gritty, pitched rumble of old sound chips; a falling hold rate makes an explosion settle.
#pragma once

#include <cstdint>

#include "core/Random.h"

namespace vorn::sounds {

class Noise {
public:
    Noise(uint64_t seed, int rate);
    // The next sample (-1..1); a new value is drawn `holdHz` times a second, every sample at 0.
    double next(double holdHz);

private:
    Random random_;
    double rate_;
    double phase_ = 1.0;  // so the very first call draws
    double value_ = 0.0;
};

}  // namespace vorn::sounds

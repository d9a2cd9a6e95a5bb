// Random but repeatable key input for a soak run: a key set is chosen and held for a while,
// from a single frame to three seconds, then the next one; running, jumping, dropping and
// shooting all come up, often together. Pause is never pressed: it would wait for a hand.
#pragma once

#include <cstdint>

#include "core/Random.h"

namespace vorn::soak {

// Held keys as bits, bit i standing for the i-th key name of a key file (sim::kKeyNames).
using KeySet = uint16_t;

class RandomKeys {
public:
    // The same seed and level always give the same keys.
    RandomKeys(uint64_t seed, int level);
    KeySet next();  // the keys held in the next frame

private:
    KeySet choose();
    Random rng_;
    KeySet held_ = 0;
    int framesLeft_ = 0;
};

}  // namespace vorn::soak

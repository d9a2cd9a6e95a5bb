#include "Noise.h"

#include <cmath>

namespace vorn::sounds {

Noise::Noise(uint64_t seed, int rate) : random_(seed), rate_(rate) {}

double Noise::next(double holdHz) {
    bool everySample = holdHz <= 0.0 || holdHz >= rate_;
    if (everySample || phase_ >= 1.0) {
        value_ = 2.0 * random_.draw() - 1.0;
        phase_ -= std::floor(phase_);
    }
    phase_ += holdHz / rate_;
    return value_;
}

}  // namespace vorn::sounds

#include "Hiss.h"

#include <algorithm>

#include "LowPass.h"
#include "Noise.h"
#include "PortableMath.h"

namespace vorn::sounds {

std::vector<float> Hiss::render(int rate) const {
    auto count = static_cast<size_t>(roundHalfAway(seconds * rate));
    std::vector<float> out(count);

    Noise noise(seed, rate);
    LowPass filter(rate);
    for (size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / rate;
        double along = std::min(t / seconds, 1.0);
        double value = noise.next(glideBetween(holdHz, holdToHz, along));
        if (lowPassHz > 0.0) value = filter.next(value, glideBetween(lowPassHz, lowPassToHz, along));
        out[i] = static_cast<float>(value * envelope.level(t, seconds) * gain);
    }
    return out;
}

}  // namespace vorn::sounds

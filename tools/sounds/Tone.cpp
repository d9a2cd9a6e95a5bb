#include "Tone.h"

#include <algorithm>

#include "LowPass.h"
#include "PortableMath.h"

namespace vorn::sounds {

std::vector<float> Tone::render(int rate) const {
    auto count = static_cast<size_t>(roundHalfAway(seconds * rate));
    std::vector<float> out(count);

    Oscillator oscillator(wave, rate, duty);
    LowPass filter(rate);
    double slideTime = glide > 0.0 ? glide : seconds;

    for (size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / rate;
        double along = std::min(t / seconds, 1.0);

        double hz = glideBetween(fromHz, toHz, std::min(t / slideTime, 1.0));
        if (vibratoHz > 0.0) {
            double depth = vibratoSemitones / 12.0;
            if (vibratoFade > 0.0) depth *= std::max(0.0, 1.0 - t / vibratoFade);
            hz *= pow2(depth * sineTurns(vibratoHz * t));
        }
        double value = oscillator.next(hz);

        if (lowPassHz > 0.0) value = filter.next(value, glideBetween(lowPassHz, lowPassToHz, along));
        if (tremoloHz > 0.0) value *= 1.0 - tremoloDepth * 0.5 * (1.0 - sineTurns(tremoloHz * t + 0.25));
        out[i] = static_cast<float>(value * envelope.level(t, seconds) * gain);
    }
    return out;
}

}  // namespace vorn::sounds

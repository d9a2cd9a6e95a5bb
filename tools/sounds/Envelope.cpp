#include "Envelope.h"

#include <algorithm>

#include "PortableMath.h"

namespace vorn::sounds {

double Envelope::level(double t, double length) const {
    if (t < 0.0 || t >= length) return 0.0;

    double value = sustain;
    if (t < attack) {
        value = t / attack;
    } else if (t < attack + decay) {
        double x = (t - attack) / decay;
        value = sustain + (1.0 - sustain) * powerOf(1.0 - x, curve);
    }

    // Even a voice without a release gets a few samples' worth, so it cannot stop on a jump.
    double fall = std::max(release, 0.002);
    double releaseStart = length - fall;
    if (t > releaseStart) value *= powerOf((length - t) / fall, curve);
    return value;
}

}  // namespace vorn::sounds

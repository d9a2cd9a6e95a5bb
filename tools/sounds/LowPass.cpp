#include "LowPass.h"

#include "PortableMath.h"

namespace vorn::sounds {

LowPass::LowPass(int rate, double resonance) : rate_(rate), damping_(1.0 / resonance) {}

double LowPass::next(double input, double cutoffHz) {
    double fraction = cutoffHz / rate_;
    if (fraction > 0.45) fraction = 0.45;
    if (fraction < 0.0001) fraction = 0.0001;
    // tan(pi f) from the portable sine and cosine.
    double g = sineTurns(fraction / 2.0) / sineTurns(0.25 - fraction / 2.0);

    double a1 = 1.0 / (1.0 + g * (g + damping_));
    double a2 = g * a1;
    double a3 = g * a2;
    double v3 = input - low_;
    double v1 = a1 * band_ + a2 * v3;
    double v2 = low_ + a2 * band_ + a3 * v3;
    band_ = 2.0 * v1 - band_;
    low_ = 2.0 * v2 - low_;
    return v2;
}

}  // namespace vorn::sounds

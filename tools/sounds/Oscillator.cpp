#include "Oscillator.h"

#include "PortableMath.h"

namespace vorn::sounds {

namespace {

// The correction that rounds off a jump of height 2 at phase 0 over one sample each side.
double smoothStep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

Oscillator::Oscillator(Wave wave, int rate, double duty) : wave_(wave), rate_(rate), duty_(duty) {}

double Oscillator::next(double hz) {
    double dt = hz / rate_;
    if (dt > 0.49) dt = 0.49;
    double t = phase_;
    double value = 0.0;
    switch (wave_) {
        case Wave::Sine:
            value = sineTurns(t);
            break;
        case Wave::Triangle:
            // Starts at 0 and rises, like the sine.
            value = t < 0.25 ? 4.0 * t : (t < 0.75 ? 2.0 - 4.0 * t : 4.0 * t - 4.0);
            break;
        case Wave::Saw:
            value = 2.0 * t - 1.0 - smoothStep(t, dt);
            break;
        case Wave::Square: {
            double down = t - duty_;
            if (down < 0.0) down += 1.0;
            value = (t < duty_ ? 1.0 : -1.0) + smoothStep(t, dt) - smoothStep(down, dt);
            // Keep the average at zero whatever the duty, so narrow pulses carry no offset.
            value -= 2.0 * duty_ - 1.0;
            break;
        }
    }
    phase_ += dt;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return value;
}

}  // namespace vorn::sounds

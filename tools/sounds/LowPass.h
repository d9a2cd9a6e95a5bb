// A two-pole low-pass filter (state-variable form, stable up to just below half the sample
// rate), for taking the edge off bright waves and for closing noise down as it fades.
#pragma once

namespace vorn::sounds {

class LowPass {
public:
    // `resonance` 0.7 is flat; higher values ring at the cut-off.
    LowPass(int rate, double resonance = 0.7071);
    double next(double input, double cutoffHz);

private:
    double rate_;
    double damping_;
    double band_ = 0.0;
    double low_ = 0.0;
};

}  // namespace vorn::sounds

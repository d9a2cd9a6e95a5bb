// One periodic waveform, stepped a sample at a time at whatever pitch the caller asks for, so
// pitch slides and vibrato are just a changing frequency. The square and the saw are smoothed
// at their jumps, or at 8000 Hz their upper harmonics would fold back as harsh whistles.
#pragma once

namespace vorn::sounds {

enum class Wave { Sine, Triangle, Square, Saw };

class Oscillator {
public:
    Oscillator(Wave wave, int rate, double duty = 0.5);
    // The next sample (-1..1) at `hz`, then one sample's step onwards.
    double next(double hz);

private:
    Wave wave_;
    double rate_;
    double duty_;
    double phase_ = 0.0;  // turns, 0..1
};

}  // namespace vorn::sounds

// Repeatable randomness for the pictures: the same numbers on every run, so the generator
// always writes the same files. The noise field repeats itself, so background tiles built
// on it join without a seam.
#pragma once

#include <cstdint>

namespace vorn::pictures {

// A well-mixed 32-bit hash of a seed and an index; unit() maps it to [0, 1).
uint32_t hash(uint32_t seed, uint32_t index);
double unit(uint32_t seed, uint32_t index);

// Smooth value noise on a lattice that wraps after `cells` lattice steps of `step` pixels,
// so the field repeats every cells * step pixels in both directions.
class PeriodicNoise {
public:
    PeriodicNoise(uint32_t seed, int cells, double step);
    // About 0..1.
    double at(double x, double y) const;
    // Several octaves, each at twice the frequency and half the weight of the last; they all
    // repeat with the same period.
    double fractal(double x, double y, int octaves) const;

private:
    static double lattice(int ix, int iy, int cells, uint32_t seed);
    static double octave(double x, double y, int cells, double step, uint32_t seed);

    uint32_t seed_;
    int cells_;
    double step_;
};

}  // namespace vorn::pictures

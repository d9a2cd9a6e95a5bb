#include "Noise.h"

#include <cmath>

namespace vorn::pictures {

uint32_t hash(uint32_t seed, uint32_t index) {
    uint32_t h = seed * 0x9E3779B9u ^ (index + 0x7F4A7C15u);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double unit(uint32_t seed, uint32_t index) { return (hash(seed, index) >> 8) / 16777216.0; }

PeriodicNoise::PeriodicNoise(uint32_t seed, int cells, double step)
    : seed_(seed), cells_(cells), step_(step) {}

double PeriodicNoise::lattice(int ix, int iy, int cells, uint32_t seed) {
    const int wx = ((ix % cells) + cells) % cells;
    const int wy = ((iy % cells) + cells) % cells;
    return unit(seed, static_cast<uint32_t>(wy * cells + wx));
}

double PeriodicNoise::octave(double x, double y, int cells, double step, uint32_t seed) {
    const double fx = x / step, fy = y / step;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy, cells, seed), b = lattice(ix + 1, iy, cells, seed);
    const double c = lattice(ix, iy + 1, cells, seed), d = lattice(ix + 1, iy + 1, cells, seed);
    return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty;
}

double PeriodicNoise::at(double x, double y) const { return octave(x, y, cells_, step_, seed_); }

double PeriodicNoise::fractal(double x, double y, int octaves) const {
    double sum = 0, weight = 1, total = 0;
    int cells = cells_;
    double step = step_;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * octave(x, y, cells, step, seed_ + 101u * o);
        total += weight;
        weight /= 2;
        cells *= 2;
        step /= 2;
    }
    return sum / total;
}

}  // namespace vorn::pictures

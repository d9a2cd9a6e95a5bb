// The few transcendental functions the synthesiser needs, written out with plain arithmetic so
// that every machine renders the very same bytes (libm results may differ in the last bit).
#pragma once

#include <cmath>

namespace vorn::sounds {

inline constexpr double kPi = 3.14159265358979323846;

// sin(2 pi x) for x in turns; good to about 1e-8.
inline double sineTurns(double x) {
    double r = x - std::floor(x);
    double sign = 1.0;
    if (r >= 0.5) {
        r -= 0.5;
        sign = -1.0;
    }
    if (r > 0.25) r = 0.5 - r;
    double y = 2.0 * kPi * r;
    double y2 = y * y;
    // Taylor series up to y^13, evaluated inside out.
    double s = 1.0 - y2 / 182.0;
    s = 1.0 - y2 / 110.0 * s;
    s = 1.0 - y2 / 72.0 * s;
    s = 1.0 - y2 / 42.0 * s;
    s = 1.0 - y2 / 20.0 * s;
    s = 1.0 - y2 / 6.0 * s;
    return sign * y * s;
}

// 2^x; std::ldexp only moves the exponent, so it is exact everywhere.
inline double pow2(double x) {
    double whole = std::floor(x);
    double t = (x - whole) * 0.69314718055994530942;
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k <= 14; ++k) {
        term = term * t / k;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(whole));
}

// log2(x) for x > 0; frexp is exact, the mantissa goes through the atanh series of ln.
inline double log2Of(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // 0.5 <= m < 1
    double z = (m - 1.0) / (m + 1.0);
    double z2 = z * z;
    double term = z;
    double sum = 0.0;
    for (int k = 1; k <= 41; k += 2) {
        sum += term / k;
        term *= z2;
    }
    return exponent + 2.0 * sum / 0.69314718055994530942;
}

// base^exponent for base >= 0.
inline double powerOf(double base, double exponent) {
    if (base <= 0.0) return 0.0;
    return pow2(exponent * log2Of(base));
}

// A value moving evenly in octaves from `from` (along = 0) to `to` (along = 1), the way the ear
// hears pitch and cut-off slides; `to` of 0 means no slide.
inline double glideBetween(double from, double to, double along) {
    if (to <= 0.0 || from <= 0.0) return from;
    return from * pow2(log2Of(to / from) * along);
}

// Rounds halves away from zero, the same on every machine and in every rounding mode.
inline long roundHalfAway(double x) {
    return static_cast<long>(x < 0 ? -std::floor(-x + 0.5) : std::floor(x + 0.5));
}

}  // namespace vorn::sounds

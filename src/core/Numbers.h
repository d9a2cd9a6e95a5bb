// The game's number rules: a float made a 16-bit or 32-bit integer rounds to nearest with ties
// to even, intFloor() rounds down, and 16-bit arithmetic wraps.
#pragma once

#include <cmath>
#include <cstdint>

namespace vorn {

inline int32_t toLong(float x) { return static_cast<int32_t>(std::nearbyint(x)); }
inline int16_t toInteger(float x) { return static_cast<int16_t>(static_cast<int32_t>(std::nearbyint(x))); }
inline int32_t intFloor(float x) { return static_cast<int32_t>(std::floor(x)); }

// 16-bit wrapping arithmetic for the 16-bit members.
inline int16_t wrap16(int32_t x) { return static_cast<int16_t>(static_cast<uint16_t>(x)); }

// Adds to a counter that must never wrap (score, health): stops at the 16-bit limits.
inline int16_t saturatingAdd16(int16_t a, int32_t b) {
    int32_t s = static_cast<int32_t>(a) + b;
    if (s > INT16_MAX) return INT16_MAX;
    if (s < INT16_MIN) return INT16_MIN;
    return static_cast<int16_t>(s);
}

}  // namespace vorn

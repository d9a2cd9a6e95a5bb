// The colours of Vorn himself, shared by his sprite sheet and the game's icon, which shows his face.
#pragma once

#include <cstdint>

namespace vorn::pictures::hero {

inline constexpr uint32_t kOutline = 0x2B1420;
inline constexpr uint32_t kBand = 0xE3263C;
inline constexpr uint32_t kPupil = 0x1C1024;
inline constexpr uint32_t kMouth = 0x7A1E24;

}  // namespace vorn::pictures::hero

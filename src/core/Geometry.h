// The sizes every part of the program agrees on, in pixels: the screen, the cells of a level's
// grid, and the pictures of the things that move. A thing's position is the top-left corner of
// its picture. Header-only, so the picture tools draw to the same sizes the game shows.
#pragma once

namespace vorn {

inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;

// A level's grid of cells fills the screen.
inline constexpr int kGridColumns = 16;
inline constexpr int kGridRows = 30;
inline constexpr int kCellWidth = 50;
inline constexpr int kCellHeight = 20;
static_assert(kGridColumns * kCellWidth == kScreenWidth && kGridRows * kCellHeight == kScreenHeight);

inline constexpr int kCharWidth = 40;
inline constexpr int kCharHeight = 36;
inline constexpr int kBombSize = 40;  // square
inline constexpr int kShotSize = 20;  // square
inline constexpr int kItemWidth = 40;
inline constexpr int kItemHeight = 35;

// Bombs, shots and items turn through this many pictures, side by side in one strip.
inline constexpr int kAnimationFrames = 16;
// The character's poses, side by side: facing left in the top row, mirrored below.
inline constexpr int kCharPoses = 17;

}  // namespace vorn

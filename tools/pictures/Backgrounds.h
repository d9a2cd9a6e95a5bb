// "Background.bmp": ten 200 x 200 tiles in a row, each repeating without a seam when the game
// lays it twelve times over the screen. Tiles 1 to 5 are the five sceneries the levels move
// through (woods, castle wall, ice cave, volcano, night sky); tiles 6 to 10 are the same
// places in other colours. All are dark and quiet, so platforms, items and bombs stand out.
#pragma once

#include "Picture.h"

namespace vorn::pictures {

inline constexpr int kTileSize = 200;
inline constexpr int kTiles = 10;

// Tile n (1..10) alone.
Picture makeBackgroundTile(int n);
Picture makeBackgrounds();

}  // namespace vorn::pictures

// Vorn, the player's hero: a round orange fellow with big eyes, a red headband and boots.
// Poses are drawn facing left in a 40 x 36 frame with the feet on the bottom row; the body
// stays inside x 5..35, the width the game tests for hits.
#pragma once

#include <cairo.h>

#include "Picture.h"
#include "core/Geometry.h"

namespace vorn::pictures {

// Poses 0..7 walk (2 is also standing still), 8 is in the air, 9 a crouch, 10 a blink and
// 11..16 the long idle animation: a look around, a big stretch and a wave.
void drawHero(cairo_t* cr, int pose);

// 680 x 72: the seventeen poses facing left in the top row, and below them the same row
// mirrored, which faces right with the poses in reverse order.
Picture makeCharacterSheet();

}  // namespace vorn::pictures

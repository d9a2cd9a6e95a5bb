// "Platform.bmp": five platform styles in rows of 20 pixels, each cut into a left end, a middle
// and a right end piece of 50 pixels. A platform stands on x 10..40 of its cell, so the ends
// are painted from there; the middle piece fills its cell, and every piece joins every other.
#pragma once

#include <cairo.h>

#include "Picture.h"
#include "core/Geometry.h"
#include "game/state/LevelCodes.h"

namespace vorn::pictures {

// Rows in the order of the level codes: 0 grass, 1 thin plank, 2 stone, 3 spring, 4 ice.
Picture makePlatforms();

// One style as a slab three cells long, with its ends at x 10 and x 140 of a 150 x 20 space.
void drawPlatformSlab(cairo_t* cr, int style);

}  // namespace vorn::pictures

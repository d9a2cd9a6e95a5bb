// The hero's shots and the two gates where bombs leave the screen.
#pragma once

#include <cairo.h>

#include "Picture.h"
#include "core/Geometry.h"

namespace vorn::pictures {

// A glowing ball spinning clockwise over the sixteen frames (read backwards it spins the
// other way, for shots flying left).
void drawAmmoBall(cairo_t* cr, int frame);
Picture makeAmmoBallSheet();

// 20 x 100: the right half is the gate at the left screen edge, the left half its mirror
// image for the right edge; the screen edge is the middle of the picture.
Picture makeBombExit();

}  // namespace vorn::pictures

// The rolling bombs: sixteen 40 x 40 frames of one full turn, rolling to the right when read
// left to right and to the left when read backwards. Three looks: a cold iron bomb, a hot one
// glowing red with its fuse lit, and the white flash of a hot bomb just hit by a shot.
#pragma once

#include <cairo.h>

#include "Picture.h"
#include "core/Geometry.h"

namespace vorn::pictures {

enum class BombLook { Normal, Hot, Hit };

void drawBomb(cairo_t* cr, BombLook look, int frame);
Picture makeBombSheet(BombLook look);

}  // namespace vorn::pictures

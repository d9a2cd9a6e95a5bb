// The seven item pictures: sixteen 40 x 35 frames in a row, one second of animation in the
// game. Each item has a shape of its own, so no two are told apart by colour alone; the
// first frame also serves as the power-up indicator and as the pieces of the pick-up effect.
#pragma once

#include <cairo.h>

#include "Picture.h"
#include "core/Geometry.h"

namespace vorn::pictures {

enum class ItemKind { Crystal, HighJump, ExtraSpeed, Invulnerable, ExtraHealth, Shoot, Dovi };

void drawItem(cairo_t* cr, ItemKind kind, int frame);
Picture makeItemSheet(ItemKind kind);

}  // namespace vorn::pictures

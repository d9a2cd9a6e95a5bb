// Pieces the full-screen pictures are composed of: skies, hills, the game's own sprites drawn
// large and smooth, and the dark, even panels that the game writes its text over.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "Bombs.h"
#include "Items.h"

namespace vorn::pictures::scenery {

// A top-to-bottom sky over the whole 800 x 600 screen, with `stars` stars in its upper part.
void sky(cairo_t* cr, uint32_t top, uint32_t bottom, uint32_t seed, int stars);
// A line of rolling hills from baseY down to the bottom of the screen.
void hills(cairo_t* cr, double baseY, double height, uint32_t colour, uint32_t seed);
void moon(cairo_t* cr, double cx, double cy, double r);

// Sprites with their top-left corner at (x, y), `scale` times their size in the game.
void platform(cairo_t* cr, int style, double x, double y, double scale);
void hero(cairo_t* cr, int pose, double x, double y, double scale, bool faceRight);
void dovi(cairo_t* cr, int frame, double x, double y, double scale, bool cheer);
void item(cairo_t* cr, ItemKind kind, int frame, double x, double y, double scale);
void bomb(cairo_t* cr, BombLook look, int frame, double x, double y, double scale);

// A flat dark panel: nothing in it competes with the text drawn over it.
void quietPanel(cairo_t* cr, double x0, double y0, double x1, double y1);

}  // namespace vorn::pictures::scenery

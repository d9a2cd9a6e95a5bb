// Dovi, the little one the hero has come to rescue: pink, round, with a yellow bow, waving
// both arms for help. Drawn in a 40 x 35 frame with the feet at y 30, so that the platform
// she waits on hides the last few rows.
#pragma once

#include <cairo.h>

namespace vorn::pictures {

// frame 0..15 is one cycle of hopping and waving; `cheer` draws her happy instead of worried.
void drawDovi(cairo_t* cr, int frame, bool cheer = false);

}  // namespace vorn::pictures

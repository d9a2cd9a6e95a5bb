// The game's icon: Vorn's round orange head with its red headband, big eyes looking ahead,
// on a night-blue tile. Few shapes, a dark outline and strong colours; at 16 pixels the same
// face is set pixel by pixel, so it stays a face and not a blur.
#pragma once

#include <cairo.h>

#include <string>

namespace vorn::pictures {

// Draws the icon into the square from (0, 0) to (size, size) of the context.
void drawIcon(cairo_t* cr, double size);

// Writes vorn-16.png ... vorn-256.png, vorn.svg and Icon.bmp (64 x 64, with alpha, for the
// game's window) into the folder; false when a file cannot be written.
[[nodiscard]] bool writeIcons(const std::string& folder);

}  // namespace vorn::pictures

// A cairo drawing surface with room for transparency. Pictures are painted here with
// anti-aliasing and then turned into a finished Picture: sprites by cutting every pixel to
// either fully transparent or fully its own colour, full-screen pictures as they are.
#pragma once

#include <cairo.h>

#include "Picture.h"

namespace vorn::pictures {

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // A pixel at least half covered keeps its own colour (never one mixed with the
    // transparent background); anything less becomes the key colour.
    Picture toSprite() const;
    // Every pixel as painted, laid over black where the painting left gaps.
    Picture toOpaque() const;

private:
    Pixel colourAt(int x, int y, uint8_t* alpha) const;

    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace vorn::pictures

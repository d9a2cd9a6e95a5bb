// The colours of Vorn himself, shared by his sprite sheet and the game's icon, which shows his face.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace vorn::pictures::hero {

inline constexpr uint32_t kOutline = 0x2B1420;
inline constexpr uint32_t kBand = 0xE3263C;
inline constexpr uint32_t kPupil = 0x1C1024;
inline constexpr uint32_t kMouth = 0x7A1E24;

// Fills the current path, and keeps it, with the light on Vorn's orange body: a radial light
// from the circle (fx, fy, r0) out to (cx, cy, r1), whose brightest stop is full red with the
// given green and blue (the icon's larger face is lit a shade paler).
inline void fillLitBody(cairo_t* cr, double fx, double fy, double r0, double cx, double cy, double r1,
                        double highlightGreen, double highlightBlue) {
    cairo_pattern_t* light = cairo_pattern_create_radial(fx, fy, r0, cx, cy, r1);
    cairo_pattern_add_color_stop_rgb(light, 0, 1.0, highlightGreen, highlightBlue);
    cairo_pattern_add_color_stop_rgb(light, 0.55, 0.96, 0.54, 0.16);
    cairo_pattern_add_color_stop_rgb(light, 1, 0.79, 0.35, 0.11);
    cairo_set_source(cr, light);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(light);
}

}  // namespace vorn::pictures::hero

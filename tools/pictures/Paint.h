// Small drawing words shared by every picture: colours given as 0xRRGGBB, common shapes,
// and outlined lettering for the full-screen pictures.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace vorn::pictures::paint {

void rgb(cairo_t* cr, uint32_t colour, double alpha = 1.0);
uint32_t mix(uint32_t a, uint32_t b, double t);
// Towards white for amount > 0, towards black for amount < 0.
uint32_t shade(uint32_t colour, double amount);

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn);
void heart(cairo_t* cr, double cx, double cy, double size);
// A four-pointed glint, the sparkle on gems, ice and polished things.
void glint(cairo_t* cr, double cx, double cy, double size, uint32_t colour);

// Strokes the current path wide in the outline colour, then narrower in the inner colour over
// it: limbs, ribbons and streaks with a drawn edge. The path is used up; the line cap is the
// caller's.
void outlinedStroke(cairo_t* cr, uint32_t outline, double outerWidth, uint32_t inner, double innerWidth);
// Fills the current path and strokes its outline over it; the path is used up.
void fillStroke(cairo_t* cr, uint32_t fill, uint32_t line, double width);
// Fills the current path with a top-to-bottom gradient; the path is kept.
void fillVertical(cairo_t* cr, double y0, uint32_t top, double y1, uint32_t bottom);

// Lettering with its centre at x and its baseline at y: a drop shadow, a thick outline and a
// fill running from top to bottom colour.
struct Lettering {
    const char* family = "Comic Neue";
    bool bold = true;
    double size = 40;
    uint32_t top = 0xFFFFFF, bottom = 0xFFFFFF, outline = 0x000000;
    double outlineWidth = 4;
    double shadow = 4;
};
void letters(cairo_t* cr, const std::string& text, double x, double y, const Lettering& style);
double lettersWidth(cairo_t* cr, const std::string& text, const Lettering& style);

}  // namespace vorn::pictures::paint

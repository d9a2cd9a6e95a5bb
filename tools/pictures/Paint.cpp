#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorn::pictures::paint {

namespace {

double channel(uint32_t colour, int shift) { return ((colour >> shift) & 0xFF) / 255.0; }

uint32_t pack(double r, double g, double b) {
    auto c = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return (c(r) << 16) | (c(g) << 8) | c(b);
}

void setFont(cairo_t* cr, const Lettering& style) {
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, style.size);
    // Outlines without hinting draw the same on every run and every screen size.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

}  // namespace

void rgb(cairo_t* cr, uint32_t colour, double alpha) {
    cairo_set_source_rgba(cr, channel(colour, 16), channel(colour, 8), channel(colour, 0), alpha);
}

uint32_t mix(uint32_t a, uint32_t b, double t) {
    auto m = [&](int shift) { return channel(a, shift) * (1 - t) + channel(b, shift) * t; };
    return pack(m(16), m(8), m(0));
}

uint32_t shade(uint32_t colour, double amount) {
    return amount >= 0 ? mix(colour, 0xFFFFFF, amount) : mix(colour, 0x000000, -amount);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = turn + i * std::numbers::pi / points - std::numbers::pi / 2;
        const double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void heart(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.95);
    cairo_curve_to(cr, cx - s * 0.35, cy + s * 0.6, cx - s * 1.05, cy + s * 0.15, cx - s, cy - s * 0.35);
    cairo_curve_to(cr, cx - s * 0.95, cy - s * 0.95, cx - s * 0.2, cy - s * 1.05, cx, cy - s * 0.5);
    cairo_curve_to(cr, cx + s * 0.2, cy - s * 1.05, cx + s * 0.95, cy - s * 0.95, cx + s, cy - s * 0.35);
    cairo_curve_to(cr, cx + s * 1.05, cy + s * 0.15, cx + s * 0.35, cy + s * 0.6, cx, cy + s * 0.95);
    cairo_close_path(cr);
}

void glint(cairo_t* cr, double cx, double cy, double size, uint32_t colour) {
    star(cr, cx, cy, size, size * 0.22, 4, 0);
    rgb(cr, colour);
    cairo_fill(cr);
}

void outlinedStroke(cairo_t* cr, uint32_t outline, double outerWidth, uint32_t inner, double innerWidth) {
    rgb(cr, outline);
    cairo_set_line_width(cr, outerWidth);
    cairo_stroke_preserve(cr);
    rgb(cr, inner);
    cairo_set_line_width(cr, innerWidth);
    cairo_stroke(cr);
}

void fillStroke(cairo_t* cr, uint32_t fill, uint32_t line, double width) {
    rgb(cr, fill);
    cairo_fill_preserve(cr);
    rgb(cr, line);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void fillVertical(cairo_t* cr, double y0, uint32_t top, double y1, uint32_t bottom) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(pattern, 0, channel(top, 16), channel(top, 8), channel(top, 0));
    cairo_pattern_add_color_stop_rgb(pattern, 1, channel(bottom, 16), channel(bottom, 8), channel(bottom, 0));
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
}

double lettersWidth(cairo_t* cr, const std::string& text, const Lettering& style) {
    cairo_save(cr);
    setFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void letters(cairo_t* cr, const std::string& text, double x, double y, const Lettering& style) {
    cairo_save(cr);
    setFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const double left = x - extents.x_advance / 2;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    if (style.shadow > 0) {
        cairo_new_path(cr);
        cairo_move_to(cr, left + style.shadow, y + style.shadow);
        cairo_text_path(cr, text.c_str());
        rgb(cr, 0x000000, 0.6);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, left, y);
    cairo_text_path(cr, text.c_str());
    rgb(cr, style.outline);
    cairo_set_line_width(cr, style.outlineWidth * 2);
    cairo_stroke_preserve(cr);
    fillVertical(cr, y + extents.y_bearing, style.top, y + extents.y_bearing + extents.height, style.bottom);
    cairo_new_path(cr);
    cairo_restore(cr);
}

}  // namespace vorn::pictures::paint

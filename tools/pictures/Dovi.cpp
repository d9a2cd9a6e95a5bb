#include "Dovi.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Paint.h"

namespace vorn::pictures {

namespace {

constexpr uint32_t kOutline = 0x4A1434;
constexpr uint32_t kBody = 0xFF8CC4;
constexpr uint32_t kBow = 0xFFD83A;
constexpr uint32_t kShoe = 0xB02C6A;

void arm(cairo_t* cr, double sx, double sy, double hx, double hy) {
    cairo_new_path(cr);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, hx, hy);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::outlinedStroke(cr, kOutline, 3.2, kBody, 1.4);
    paint::ellipse(cr, hx, hy, 2.3, 2.3);
    paint::fillStroke(cr, kBody, kOutline, 1.2);
}

}  // namespace

void drawDovi(cairo_t* cr, int frame, bool cheer) {
    const double phase = 2 * std::numbers::pi * frame / 16;
    // Two little hops per cycle, and the arms wave in turn.
    const double hop = -2.2 * std::abs(std::sin(phase));
    const double wave = std::sin(phase * 2);
    const double cx = 20, cy = 20 + hop, r = 8.8;

    cairo_save(cr);
    for (double fx : {15.5, 24.5}) {
        paint::ellipse(cr, fx, 28.6 + hop * 0.6, 3.4, 1.9);
        paint::fillStroke(cr, kShoe, kOutline, 1.2);
    }
    arm(cr, cx - 6, cy - 1, 9 + wave * 1.5, 10 + hop - wave * 2);
    arm(cr, cx + 6, cy - 1, 31 + wave * 1.5, 10 + hop + wave * 2);

    paint::ellipse(cr, cx, cy, r, r);
    cairo_pattern_t* light = cairo_pattern_create_radial(cx - 3, cy - 4, 1, cx, cy, r + 1);
    cairo_pattern_add_color_stop_rgb(light, 0, 1.0, 0.86, 0.94);
    cairo_pattern_add_color_stop_rgb(light, 0.6, 1.0, 0.55, 0.77);
    cairo_pattern_add_color_stop_rgb(light, 1, 0.86, 0.38, 0.62);
    cairo_set_source(cr, light);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(light);
    paint::rgb(cr, kOutline);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);

    // The bow on top.
    const double by = cy - r + 0.5;
    for (int side : {-1, 1}) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx, by);
        cairo_line_to(cr, cx + side * 6, by - 4);
        cairo_line_to(cr, cx + side * 6, by + 2.5);
        cairo_close_path(cr);
        paint::fillStroke(cr, kBow, kOutline, 1.2);
    }
    paint::ellipse(cr, cx, by, 1.8, 1.8);
    paint::fillStroke(cr, kBow, kOutline, 1.0);

    // Big eyes under worried brows; a small round mouth calling out.
    for (int side : {-1, 1}) {
        const double ex = cx + side * 3.4, ey = cy - 0.5;
        if (cheer) {
            cairo_new_path(cr);
            cairo_move_to(cr, ex - 2.2, ey + 1);
            cairo_curve_to(cr, ex - 1, ey - 1.6, ex + 1, ey - 1.6, ex + 2.2, ey + 1);
            paint::rgb(cr, kOutline);
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
            continue;
        }
        paint::ellipse(cr, ex, ey, 2.7, 3.3);
        paint::fillStroke(cr, 0xFFFFFF, kOutline, 1.0);
        paint::ellipse(cr, ex, ey + 0.7, 1.6, 2.1);
        paint::rgb(cr, 0x221028);
        cairo_fill(cr);
        paint::ellipse(cr, ex - 0.5, ey - 0.1, 0.6, 0.6);
        paint::rgb(cr, 0xFFFFFF);
        cairo_fill(cr);
    }
    for (int side : {-1, 1}) {
        paint::ellipse(cr, cx + side * 6, cy + 3, 1.4, 0.9);
        paint::rgb(cr, 0xFF5A8C);
        cairo_fill(cr);
    }
    if (cheer) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - 2.5, cy + 3);
        cairo_curve_to(cr, cx - 1.5, cy + 6, cx + 1.5, cy + 6, cx + 2.5, cy + 3);
        cairo_close_path(cr);
    } else {
        paint::ellipse(cr, cx, cy + 4.2, 1.3, 1.5 + 0.4 * std::abs(wave));
    }
    paint::fillStroke(cr, 0x8A1E3C, kOutline, 0.9);

    // A little heart floats above her: this is who the hero came for.
    const double beat = 1 + 0.15 * std::max(0.0, std::sin(phase * 2));
    paint::heart(cr, cx, 3.6 + hop * 0.5, 6.5 * beat);
    paint::fillStroke(cr, 0xF0304A, kOutline, 1.0);
    cairo_restore(cr);
}

}  // namespace vorn::pictures

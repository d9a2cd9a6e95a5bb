#include "Shots.h"

#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Paint.h"

namespace vorn::pictures {

void drawAmmoBall(cairo_t* cr, int frame) {
    const double angle = 2 * std::numbers::pi * frame / kAnimationFrames;
    const double c = 10, r = 7.5;
    cairo_save(cr);
    paint::ellipse(cr, c, c, r, r);
    cairo_pattern_t* glow = cairo_pattern_create_radial(c - 1.5, c - 1.5, 0.5, c, c, r);
    cairo_pattern_add_color_stop_rgb(glow, 0, 1.0, 1.0, 0.9);
    cairo_pattern_add_color_stop_rgb(glow, 0.45, 0.86, 1.0, 0.35);
    cairo_pattern_add_color_stop_rgb(glow, 1, 0.35, 0.72, 0.08);
    cairo_set_source(cr, glow);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glow);
    paint::rgb(cr, 0x1E4A06);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // Two swirls of energy turning inside the ball.
    cairo_translate(cr, c, c);
    cairo_rotate(cr, angle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 2; ++k) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 4.3, k * std::numbers::pi, k * std::numbers::pi + 1.6);
        paint::rgb(cr, 0x2E7A0A);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

Picture makeAmmoBallSheet() {
    Picture sheet(kShotSize * kAnimationFrames, kShotSize);
    for (int f = 0; f < kAnimationFrames; ++f) {
        Canvas canvas(kShotSize, kShotSize);
        drawAmmoBall(canvas.cr(), f);
        sheet.paste(canvas.toSprite(), f * kShotSize, 0);
    }
    return sheet;
}

Picture makeBombExit() {
    // Drawn as the left screen edge's gate: x 0 is the edge of the screen, x 10 faces the play.
    Canvas canvas(10, 100);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 6, 7, 88);
    paint::fillVertical(cr, 6, 0x2A1A30, 94, 0x120A18);
    cairo_new_path(cr);
    cairo_rectangle(cr, 6, 6, 4, 88);
    paint::fillStroke(cr, 0x8A8EA0, 0x1A1420, 1.0);
    // Arrows on the post point out of the screen.
    for (int i = 0; i < 4; ++i) {
        const double y = 20 + i * 20;
        cairo_move_to(cr, 9.5, y - 4);
        cairo_line_to(cr, 6.5, y);
        cairo_line_to(cr, 9.5, y + 4);
    }
    paint::rgb(cr, 0xFFD23A);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Hazard-striped beams above and below.
    for (double top : {0.0, 94.0}) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, top, 10, 6);
        cairo_clip(cr);
        paint::rgb(cr, 0xF2C21E);
        cairo_paint(cr);
        for (int s = -2; s < 4; ++s) {
            cairo_move_to(cr, s * 6, top + 6);
            cairo_line_to(cr, s * 6 + 3, top + 6);
            cairo_line_to(cr, s * 6 + 9, top);
            cairo_line_to(cr, s * 6 + 6, top);
            cairo_close_path(cr);
        }
        paint::rgb(cr, 0x1A1420);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    const Picture leftGate = canvas.toSprite();
    Picture exit(20, 100);
    exit.paste(leftGate, 10, 0);
    exit.paste(leftGate.mirrored(), 0, 0);
    return exit;
}

}  // namespace vorn::pictures

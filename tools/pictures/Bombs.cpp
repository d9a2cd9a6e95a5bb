#include "Bombs.h"

#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Paint.h"

namespace vorn::pictures {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCentre = 20, kRadius = 18.5;

struct BombColours {
    uint32_t light, body, rim, band, rivet, outline;
};

BombColours coloursOf(BombLook look) {
    switch (look) {
        case BombLook::Hot:
            return {0xFFC070, 0xD8381A, 0x5A0C06, 0x7A1808, 0xFFD040, 0x2A0604};
        case BombLook::Hit:
            return {0xFFFFFF, 0xFFF6B0, 0xF0A030, 0xFFD060, 0xFFFFFF, 0x8A3A08};
        case BombLook::Normal:
            break;
    }
    return {0xC8CCD8, 0x646A7C, 0x2C2E38, 0x2A2C36, 0xD8DCE4, 0x0A0A10};
}

void setBodyGradient(cairo_t* cr, const BombColours& c) {
    auto stop = [](cairo_pattern_t* p, double at, uint32_t colour) {
        cairo_pattern_add_color_stop_rgb(p, at, ((colour >> 16) & 0xFF) / 255.0,
                                         ((colour >> 8) & 0xFF) / 255.0, (colour & 0xFF) / 255.0);
    };
    cairo_pattern_t* p =
        cairo_pattern_create_radial(kCentre - 6, kCentre - 7, 1, kCentre, kCentre, kRadius + 1);
    stop(p, 0, c.light);
    stop(p, 0.45, c.body);
    stop(p, 1, c.rim);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

// The parts that turn with the ball: a band round it with rivets, and the fuse holder.
void drawTurningParts(cairo_t* cr, BombLook look, const BombColours& c, double angle) {
    cairo_save(cr);
    cairo_translate(cr, kCentre, kCentre);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -kRadius - 1, -3.2, 2 * kRadius + 2, 6.4);
    paint::rgb(cr, c.band);
    cairo_fill(cr);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, -kRadius, side * 3.2);
        cairo_line_to(cr, kRadius, side * 3.2);
    }
    paint::rgb(cr, c.outline, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    for (double x : {-11.0, 0.0, 11.0}) {
        paint::ellipse(cr, x, 0, 1.6, 1.6);
        paint::rgb(cr, c.rivet);
        cairo_fill(cr);
    }
    // The fuse holder at the top of the ball, square to the band.
    paint::roundedRect(cr, -4.5, -kRadius - 0.5, 9, 6, 1.5);
    paint::fillStroke(cr, look == BombLook::Normal ? 0xB89A48 : 0xFFD878, c.outline, 1.2);
    if (look == BombLook::Normal) {
        cairo_rectangle(cr, -1.2, -kRadius - 1.5, 2.4, 2.5);
        paint::rgb(cr, 0x1A1A1A);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawSpark(cairo_t* cr, double angle, int frame, double size) {
    // The spark sits on the fuse holder and stays inside the ball's 40 x 40 frame.
    const double x = kCentre + std::sin(angle) * (kRadius - 3);
    const double y = kCentre - std::cos(angle) * (kRadius - 3);
    const double flicker = frame % 2 ? 1.0 : 0.8;
    paint::star(cr, x, y, size * flicker, size * 0.4, 6, frame * 0.4);
    paint::rgb(cr, 0xFFE040);
    cairo_fill(cr);
    paint::star(cr, x, y, size * 0.55 * flicker, size * 0.25, 4, frame * 0.7);
    paint::rgb(cr, 0xFFFFFF);
    cairo_fill(cr);
}

}  // namespace

void drawBomb(cairo_t* cr, BombLook look, int frame) {
    const BombColours c = coloursOf(look);
    // Frame by frame the ball turns clockwise, as a ball rolling to the right does.
    const double angle = 2 * kPi * frame / kAnimationFrames;
    cairo_save(cr);

    if (look == BombLook::Hit) {
        // The flash bursts out round the ball.
        paint::star(cr, kCentre, kCentre, 19.8, 14, 12, angle * 0.5);
        paint::rgb(cr, 0xFFE060);
        cairo_fill(cr);
    }

    paint::ellipse(cr, kCentre, kCentre, kRadius, kRadius);
    setBodyGradient(cr, c);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    drawTurningParts(cr, look, c, angle);
    if (look == BombLook::Hot) {
        // Glowing cracks turn with the shell.
        cairo_translate(cr, kCentre, kCentre);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, -12, 6);
        cairo_line_to(cr, -7, 9);
        cairo_line_to(cr, -8, 14);
        cairo_move_to(cr, 8, 7);
        cairo_line_to(cr, 12, 11);
        cairo_move_to(cr, 5, -8);
        cairo_line_to(cr, 10, -11);
        cairo_line_to(cr, 13, -9);
        paint::rgb(cr, 0xFFE060);
        cairo_set_line_width(cr, 1.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_restore(cr);

    // The shine stays where the light is, whichever way the ball has turned.
    paint::ellipse(cr, kCentre - 7, kCentre - 8, 4.5, 3);
    paint::rgb(cr, paint::shade(c.light, 0.55));
    cairo_fill(cr);
    paint::ellipse(cr, kCentre, kCentre, kRadius, kRadius);
    paint::rgb(cr, c.outline);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);

    if (look != BombLook::Normal) drawSpark(cr, angle, frame, 4.2);
    cairo_restore(cr);
}

Picture makeBombSheet(BombLook look) {
    Picture sheet(kBombSize * kAnimationFrames, kBombSize);
    for (int f = 0; f < kAnimationFrames; ++f) {
        Canvas canvas(kBombSize, kBombSize);
        drawBomb(canvas.cr(), look, f);
        sheet.paste(canvas.toSprite(), f * kBombSize, 0);
    }
    return sheet;
}

}  // namespace vorn::pictures

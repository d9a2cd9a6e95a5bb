#include "Items.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Dovi.h"
#include "Paint.h"

namespace vorn::pictures {

namespace {

constexpr double kPi = std::numbers::pi;

double phaseOf(int frame) { return 2 * kPi * frame / kAnimationFrames; }
double bobOf(int frame) { return -1.5 * std::sin(phaseOf(frame)); }

// A six-sided gem turning about its upright axis; only the faces towards the viewer are
// drawn, each lit by how squarely it faces the light from the upper left.
void drawCrystal(cairo_t* cr, int frame) {
    const double bob = bobOf(frame);
    const double cx = 20, top = 3 + bob, girdle = 12 + bob, bottom = 31 + bob, radius = 12.5;
    const double spin = phaseOf(frame) / 3;  // a third of a turn, which repeats the gem exactly
    const std::array<uint32_t, 2> tints = {0x22D2EA, 0x6CF2D2};

    struct Face {
        double depth;
        double x0, x1;
        uint32_t colour;
    };
    std::array<Face, 6> faces{};
    for (int k = 0; k < 6; ++k) {
        const double a0 = spin + k * kPi / 3, a1 = a0 + kPi / 3;
        const double mid = (a0 + a1) / 2;
        const double light = 0.5 + 0.5 * std::cos(mid - 2.3);
        faces[k] = {std::sin(mid), cx + radius * std::cos(a0), cx + radius * std::cos(a1),
                    paint::mix(paint::shade(tints[k % 2], -0.55), paint::shade(tints[k % 2], 0.25), light)};
    }
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const Face& f : faces) {
        if (f.depth <= 0) continue;
        // Upper (crown) and lower (pavilion) facet of this side.
        cairo_new_path(cr);
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, f.x0, girdle);
        cairo_line_to(cr, f.x1, girdle);
        cairo_close_path(cr);
        paint::rgb(cr, paint::shade(f.colour, 0.3));
        cairo_fill_preserve(cr);
        paint::rgb(cr, 0x1C7A8A);
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
        cairo_move_to(cr, cx, bottom);
        cairo_line_to(cr, f.x0, girdle);
        cairo_line_to(cr, f.x1, girdle);
        cairo_close_path(cr);
        paint::rgb(cr, f.colour);
        cairo_fill_preserve(cr);
        paint::rgb(cr, 0x1C7A8A);
        cairo_stroke(cr);
    }
    // The outline of the whole stone.
    double left = cx, right = cx;
    for (const Face& f : faces) {
        left = std::min({left, f.x0, f.x1});
        right = std::max({right, f.x0, f.x1});
    }
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_line_to(cr, right, girdle);
    cairo_line_to(cr, cx, bottom);
    cairo_line_to(cr, left, girdle);
    cairo_close_path(cr);
    paint::rgb(cr, 0x0E3C4C);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // A glint that flares and fades through the cycle.
    const double flare = std::max(0.0, std::cos(phaseOf(frame)));
    if (flare > 0.2) paint::glint(cr, 27, 7 + bob, 2 + 4.5 * flare, 0xFFFFFF);
    paint::glint(cr, 15, 15 + bob, 1.8, 0xFFFFFF);
    cairo_restore(cr);
}

// A coiled spring with a green arrow riding on it: it squeezes and shoots the arrow up.
void drawHighJump(cairo_t* cr, int frame) {
    const double squeeze = 0.5 + 0.5 * std::cos(phaseOf(frame));
    const double base = 31, height = 7 + 6 * (1 - squeeze);
    const double springTop = base - height;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Spring: four loops drawn as a zig-zag of thick silver strokes over dark ones.
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        const int turns = 3;
        for (int i = 0; i <= 2 * turns; ++i) {
            const double y = base - height * i / (2 * turns);
            const double x = i % 2 ? 28 : 12;
            if (i == 0)
                cairo_move_to(cr, 13, y);
            else
                cairo_line_to(cr, x, y);
        }
        paint::rgb(cr, pass ? 0xD6DAE2 : 0x2A2E3A);
        cairo_set_line_width(cr, pass ? 1.6 : 3.6);
        cairo_stroke(cr);
    }
    paint::roundedRect(cr, 10, base - 0.5, 20, 3, 1.2);
    paint::fillStroke(cr, 0x8A8E9A, 0x2A2E3A, 1.1);
    // Arrow pointing up.
    const double tip = springTop - 19 + 2 * (1 - squeeze);
    cairo_new_path(cr);
    cairo_move_to(cr, 20, tip);
    cairo_line_to(cr, 30.5, tip + 10);
    cairo_line_to(cr, 24.5, tip + 10);
    cairo_line_to(cr, 24.5, springTop);
    cairo_line_to(cr, 15.5, springTop);
    cairo_line_to(cr, 15.5, tip + 10);
    cairo_line_to(cr, 9.5, tip + 10);
    cairo_close_path(cr);
    paint::fillVertical(cr, tip, 0xB6F55A, springTop, 0x3AA828);
    paint::rgb(cr, 0x183C10);
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 18, tip + 4);
    cairo_line_to(cr, 13, tip + 9);
    paint::rgb(cr, 0xEAFFC8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A lightning bolt with speed streaks flying off behind it.
void drawExtraSpeed(cairo_t* cr, int frame) {
    const double bob = bobOf(frame) * 0.6;
    const double jitter = (frame % 2) ? 0.6 : -0.6;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double y = 9 + i * 8 + bob;
        const double run = std::fmod(frame * 1.5 + i * 3.7, 8.0);
        cairo_new_path(cr);
        cairo_move_to(cr, 2 + run, y);
        cairo_line_to(cr, 9 + run * 0.6, y);
        paint::outlinedStroke(cr, 0x7A2A08, 3.2, 0xFFE9A0, 1.4);
    }
    cairo_translate(cr, jitter * 0.5, bob);
    cairo_new_path(cr);
    cairo_move_to(cr, 25, 2);
    cairo_line_to(cr, 13, 18);
    cairo_line_to(cr, 20, 18);
    cairo_line_to(cr, 15, 32);
    cairo_line_to(cr, 31, 13);
    cairo_line_to(cr, 23.5, 13);
    cairo_line_to(cr, 30, 2);
    cairo_close_path(cr);
    // The bright band slides down the bolt as it crackles.
    const double band = std::fmod(frame / 16.0 * 40, 40.0) - 4;
    cairo_pattern_t* shine = cairo_pattern_create_linear(0, band - 8, 0, band + 8);
    cairo_pattern_add_color_stop_rgb(shine, 0, 1.0, 0.80, 0.10);
    cairo_pattern_add_color_stop_rgb(shine, 0.5, 1.0, 1.0, 0.78);
    cairo_pattern_add_color_stop_rgb(shine, 1, 1.0, 0.80, 0.10);
    cairo_pattern_set_extend(shine, CAIRO_EXTEND_PAD);
    cairo_set_source(cr, shine);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shine);
    paint::rgb(cr, 0x7A2A08);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void shieldPath(cairo_t* cr, double cx, double top, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + w * 0.3, top + 2, cx + w * 0.6, top + 2.5, cx + w, top + 1.5);
    cairo_curve_to(cr, cx + w * 1.05, top + h * 0.55, cx + w * 0.6, top + h * 0.85, cx, top + h);
    cairo_curve_to(cr, cx - w * 0.6, top + h * 0.85, cx - w * 1.05, top + h * 0.55, cx - w, top + 1.5);
    cairo_curve_to(cr, cx - w * 0.6, top + 2.5, cx - w * 0.3, top + 2, cx, top);
    cairo_close_path(cr);
}

// A silver-rimmed shield with a gold star; a gleam sweeps across it.
void drawInvulnerable(cairo_t* cr, int frame) {
    const double bob = bobOf(frame);
    // The shield turns a little to and fro, so it seems to catch the light.
    const double turn = 0.86 + 0.14 * std::cos(phaseOf(frame));
    cairo_save(cr);
    cairo_translate(cr, 20, 0);
    cairo_scale(cr, turn, 1);
    cairo_translate(cr, -20, bob);
    shieldPath(cr, 20, 2, 13, 29);
    paint::fillStroke(cr, 0xE2E6EE, 0x2A2438, 2.2);
    shieldPath(cr, 20, 5.5, 9.5, 23);
    paint::fillVertical(cr, 5, 0xB466F0, 28, 0x6A2AA8);
    cairo_new_path(cr);
    paint::star(cr, 20, 16, 7, 3, 5, 0);
    paint::fillStroke(cr, 0xFFD23A, 0x7A4A08, 1.0);
    cairo_restore(cr);

    // The gleam: a slanted white bar crossing the face, clipped to the shield.
    cairo_save(cr);
    cairo_translate(cr, 20, 0);
    cairo_scale(cr, turn, 1);
    cairo_translate(cr, -20, bob);
    shieldPath(cr, 20, 5.5, 9.5, 23);
    cairo_clip(cr);
    const double sweep = -14 + 56.0 * frame / kAnimationFrames;
    cairo_new_path(cr);
    cairo_move_to(cr, sweep, 0);
    cairo_line_to(cr, sweep + 5, 0);
    cairo_line_to(cr, sweep - 7, 35);
    cairo_line_to(cr, sweep - 12, 35);
    cairo_close_path(cr);
    paint::rgb(cr, 0xF6EEFF);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A beating heart with a white plus on it.
void drawExtraHealth(cairo_t* cr, int frame) {
    const double t = std::fmod(frame / 16.0, 1.0);
    // Two beats close together, then a rest: lub-dub.
    const double beat = std::max(0.0, std::cos((t - 0.1) * 2 * kPi * 4)) * (t < 0.4 ? 1 : 0);
    const double s = 1 + 0.12 * beat;
    cairo_save(cr);
    cairo_translate(cr, 20, 17 + bobOf(frame) * 0.5);
    cairo_scale(cr, s, s);
    paint::heart(cr, 0, 0, 27);
    cairo_pattern_t* light = cairo_pattern_create_radial(-5, -6, 1, 0, 0, 16);
    cairo_pattern_add_color_stop_rgb(light, 0, 1.0, 0.55, 0.60);
    cairo_pattern_add_color_stop_rgb(light, 0.5, 0.93, 0.16, 0.25);
    cairo_pattern_add_color_stop_rgb(light, 1, 0.62, 0.06, 0.14);
    cairo_set_source(cr, light);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(light);
    paint::rgb(cr, 0x4A0A16);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_rectangle(cr, -1.8, -6.5, 3.6, 10);
    cairo_rectangle(cr, -5, -3.3, 10, 3.6);
    paint::rgb(cr, 0xFFFFFF);
    cairo_fill(cr);
    paint::ellipse(cr, -7, -6, 2.2, 1.4);
    paint::rgb(cr, 0xFFC8CC);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A chunky toy blaster pointing right with a glowing ball charging at its muzzle.
void drawShoot(cairo_t* cr, int frame) {
    const double bob = bobOf(frame);
    const double glow = 0.5 + 0.5 * std::sin(phaseOf(frame) * 2);
    cairo_save(cr);
    cairo_translate(cr, 0, bob);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Grip.
    cairo_new_path(cr);
    cairo_move_to(cr, 11, 16);
    cairo_line_to(cr, 18.5, 16);
    cairo_line_to(cr, 16.5, 29);
    cairo_line_to(cr, 8.5, 29);
    cairo_close_path(cr);
    paint::fillStroke(cr, 0x6A4A9A, 0x1E1430, 1.5);
    // Body and barrel.
    paint::roundedRect(cr, 5, 8, 22, 10, 4);
    paint::fillVertical(cr, 8, 0x7CF0B0, 18, 0x20A070);
    paint::rgb(cr, 0x10301E);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    paint::roundedRect(cr, 25, 10, 6, 6, 1.5);
    paint::fillStroke(cr, 0xC8CCD6, 0x1E1430, 1.3);
    paint::ellipse(cr, 13, 11.5, 3, 1.2);
    paint::rgb(cr, 0xD8FFE8);
    cairo_fill(cr);
    // The ball it shoots, pulsing at the muzzle.
    const double r = 3 + 1.2 * glow;
    paint::ellipse(cr, 35, 13, r, r);
    paint::fillStroke(cr, paint::mix(0xB8F03A, 0xF8FF9A, glow), 0x3A5A08, 1.1);
    paint::ellipse(cr, 34.2, 12.2, r * 0.35, r * 0.35);
    paint::rgb(cr, 0xFFFFFF);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace

void drawItem(cairo_t* cr, ItemKind kind, int frame) {
    switch (kind) {
        case ItemKind::Crystal:
            drawCrystal(cr, frame);
            break;
        case ItemKind::HighJump:
            drawHighJump(cr, frame);
            break;
        case ItemKind::ExtraSpeed:
            drawExtraSpeed(cr, frame);
            break;
        case ItemKind::Invulnerable:
            drawInvulnerable(cr, frame);
            break;
        case ItemKind::ExtraHealth:
            drawExtraHealth(cr, frame);
            break;
        case ItemKind::Shoot:
            drawShoot(cr, frame);
            break;
        case ItemKind::Dovi:
            drawDovi(cr, frame);
            break;
    }
}

Picture makeItemSheet(ItemKind kind) {
    Picture sheet(kItemWidth * kAnimationFrames, kItemHeight);
    for (int f = 0; f < kAnimationFrames; ++f) {
        Canvas canvas(kItemWidth, kItemHeight);
        drawItem(canvas.cr(), kind, f);
        sheet.paste(canvas.toSprite(), f * kItemWidth, 0);
    }
    return sheet;
}

}  // namespace vorn::pictures

#include "ScreenScenery.h"

#include <array>
#include <cmath>
#include <numbers>

#include "Dovi.h"
#include "Hero.h"
#include "Noise.h"
#include "Paint.h"
#include "Platforms.h"
#include "core/Geometry.h"

namespace vorn::pictures::scenery {

namespace {

void at(cairo_t* cr, double x, double y, double scale, bool mirror, double width) {
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    if (mirror) {
        cairo_translate(cr, width, 0);
        cairo_scale(cr, -1, 1);
    }
}

}  // namespace

void sky(cairo_t* cr, uint32_t top, uint32_t bottom, uint32_t seed, int stars) {
    cairo_rectangle(cr, 0, 0, kScreenWidth, kScreenHeight);
    paint::fillVertical(cr, 0, top, kScreenHeight, bottom);
    cairo_new_path(cr);
    for (int i = 0; i < stars; ++i) {
        const double x = unit(seed, 3 * i) * kScreenWidth, y = unit(seed, 3 * i + 1) * 420;
        const double b = unit(seed, 3 * i + 2);
        if (b > 0.93) {
            paint::glint(cr, x, y, 4 + 3 * b, 0xFFF6D8);
        } else {
            paint::ellipse(cr, x, y, 0.7 + b, 0.7 + b);
            paint::rgb(cr, 0xFFFFFF, 0.3 + 0.6 * b);
            cairo_fill(cr);
        }
    }
}

void hills(cairo_t* cr, double baseY, double height, uint32_t colour, uint32_t seed) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, kScreenHeight);
    const double p1 = unit(seed, 1) * 6, p2 = unit(seed, 2) * 6;
    for (int x = 0; x <= kScreenWidth; x += 4) {
        const double y =
            baseY - height * (0.55 + 0.3 * std::sin(x / 97.0 + p1) + 0.15 * std::sin(x / 41.0 + p2));
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, kScreenWidth, kScreenHeight);
    cairo_close_path(cr);
    paint::rgb(cr, colour);
    cairo_fill(cr);
}

void moon(cairo_t* cr, double cx, double cy, double r) {
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, r, cx, cy, r * 2.2);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.95, 0.8, 0.25);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.95, 0.8, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, cx, cy, r * 2.2, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    paint::ellipse(cr, cx, cy, r, r);
    paint::rgb(cr, 0xFFF2C8);
    cairo_fill(cr);
    for (auto [dx, dy, rr] : {std::array{-0.3, -0.2, 0.22}, {0.35, 0.25, 0.15}, {0.05, 0.45, 0.1}}) {
        paint::ellipse(cr, cx + dx * r, cy + dy * r, rr * r, rr * r);
        paint::rgb(cr, 0xE8D8A8);
        cairo_fill(cr);
    }
}

void platform(cairo_t* cr, int style, double x, double y, double scale) {
    cairo_save(cr);
    // The slab's solid part starts 10 units into its drawing space.
    at(cr, x - 10 * scale, y, scale, false, 0);
    drawPlatformSlab(cr, style);
    cairo_restore(cr);
}

void hero(cairo_t* cr, int pose, double x, double y, double scale, bool faceRight) {
    cairo_save(cr);
    at(cr, x, y, scale, faceRight, kCharWidth);
    drawHero(cr, pose);
    cairo_restore(cr);
}

void dovi(cairo_t* cr, int frame, double x, double y, double scale, bool cheer) {
    cairo_save(cr);
    at(cr, x, y, scale, false, 0);
    drawDovi(cr, frame, cheer);
    cairo_restore(cr);
}

void item(cairo_t* cr, ItemKind kind, int frame, double x, double y, double scale) {
    cairo_save(cr);
    at(cr, x, y, scale, false, 0);
    drawItem(cr, kind, frame);
    cairo_restore(cr);
}

void bomb(cairo_t* cr, BombLook look, int frame, double x, double y, double scale) {
    cairo_save(cr);
    at(cr, x, y, scale, false, 0);
    drawBomb(cr, look, frame);
    cairo_restore(cr);
}

void quietPanel(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_save(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    paint::rgb(cr, 0x100A1C);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace vorn::pictures::scenery

#include "Platforms.h"

#include <array>
#include <functional>

#include "Canvas.h"
#include "Paint.h"

namespace vorn::pictures {

namespace {

// Each style is painted as one long slab over three cells, from x 10 to x 140, with a
// pattern that repeats every cell: cut into thirds it gives the left end, a middle that
// joins itself and both ends, and the right end.
constexpr double kLeft = 10, kRight = 140;
constexpr double kTop = 2, kBottom = 18;  // the solid part, rows 2..17

// Calls draw(x) for every copy of a pattern element that repeats each cell.
void everyCell(const std::function<void(double)>& draw) {
    for (int k = -1; k <= 3; ++k) draw(k * kCellWidth);
}

void slab(cairo_t* cr, double top, double bottom, double radius) {
    paint::roundedRect(cr, kLeft, top, kRight - kLeft, bottom - top, radius);
}

void outline(cairo_t* cr, double top, double bottom, double radius, uint32_t colour) {
    cairo_new_path(cr);
    paint::roundedRect(cr, kLeft + 0.6, top + 0.6, kRight - kLeft - 1.2, bottom - top - 1.2, radius);
    paint::rgb(cr, colour);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// G: earth with a grassy top.
void drawGrass(cairo_t* cr) {
    slab(cr, kTop, kBottom, 4);
    paint::fillVertical(cr, kTop, 0x9A6A3A, kBottom, 0x5A3618);
    cairo_save(cr);
    cairo_clip(cr);
    everyCell([&](double x0) {
        for (auto [px, py, r] : {std::array{8.0, 12.0, 1.6},
                                 {21.0, 14.5, 1.2},
                                 {33.0, 11.5, 1.9},
                                 {44.0, 15.0, 1.3},
                                 {27.0, 9.5, 1.0}}) {
            paint::ellipse(cr, x0 + px, py, r * 1.3, r);
            paint::rgb(cr, 0xB89070);
            cairo_fill(cr);
        }
        // The grass hangs over the earth in soft scallops.
        cairo_new_path(cr);
        cairo_move_to(cr, x0, kTop);
        cairo_line_to(cr, x0 + 50, kTop);
        cairo_line_to(cr, x0 + 50, 6.5);
        for (int s = 4; s >= 0; --s) {
            const double sx = x0 + s * 10;
            cairo_curve_to(cr, sx + 8, 9.5 - (s % 2), sx + 2, 9.5 - (s % 2), sx, 6.5);
        }
        cairo_close_path(cr);
        paint::fillVertical(cr, kTop, 0x8CE04A, 9, 0x3A9A28);
        cairo_new_path(cr);
        cairo_rectangle(cr, x0, kTop + 0.8, 50, 1.2);
        paint::rgb(cr, 0xC8F890);
        cairo_fill(cr);
    });
    cairo_restore(cr);
    outline(cr, kTop, kBottom, 4, 0x2A1808);
}

// S: a thin wooden plank, only four pixels of it to stand on.
void drawPlank(cairo_t* cr) {
    const double top = 13, bottom = 17;
    cairo_new_path(cr);
    cairo_rectangle(cr, kLeft + 2, bottom, kRight - kLeft - 4, 1.2);
    paint::rgb(cr, 0x3A2410);
    cairo_fill(cr);
    slab(cr, top - 0.4, bottom + 0.4, 1.5);
    paint::fillVertical(cr, top, 0xE8BE7A, bottom, 0xA8743A);
    cairo_save(cr);
    cairo_clip(cr);
    everyCell([&](double x0) {
        // Board joints and nails.
        cairo_new_path(cr);
        cairo_rectangle(cr, x0 + 24.5, top, 1, bottom - top);
        paint::rgb(cr, 0x6A4218);
        cairo_fill(cr);
        for (double nx : {x0 + 21.5, x0 + 28.5}) {
            paint::ellipse(cr, nx, top + 2, 0.9, 0.9);
            paint::rgb(cr, 0x4A3A30);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, x0 + 5, top + 0.6, 12, 0.8);
        cairo_rectangle(cr, x0 + 33, top + 0.6, 10, 0.8);
        paint::rgb(cr, 0xFFE2B0);
        cairo_fill(cr);
    });
    cairo_restore(cr);
    outline(cr, top - 0.4, bottom + 0.4, 1.5, 0x3A2410);
}

// M: a row of dressed stone blocks.
void drawStone(cairo_t* cr) {
    slab(cr, kTop, kBottom, 3);
    paint::rgb(cr, 0x4A4458);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    everyCell([&](double x0) {
        for (int b = 0; b < 2; ++b) {
            const double bx = x0 + b * 25 + 1, by = kTop + 1, bw = 23, bh = kBottom - kTop - 2;
            paint::roundedRect(cr, bx, by, bw, bh, 1.5);
            paint::fillVertical(cr, by, b ? 0xB4AEC4 : 0xA8A2BA, by + bh, b ? 0x77708C : 0x6E6884);
            cairo_new_path(cr);
            cairo_rectangle(cr, bx + 1, by + 0.5, bw - 2, 1.2);
            paint::rgb(cr, 0xDCD8E6);
            cairo_fill(cr);
            cairo_rectangle(cr, bx + 1, by + bh - 1.7, bw - 2, 1.2);
            paint::rgb(cr, 0x544E66);
            cairo_fill(cr);
        }
        // A chip and a crack, so the blocks are not all alike.
        cairo_move_to(cr, x0 + 8, 7);
        cairo_line_to(cr, x0 + 11, 10);
        cairo_line_to(cr, x0 + 10, 13);
        cairo_move_to(cr, x0 + 38, 12);
        cairo_line_to(cr, x0 + 41, 14);
        paint::rgb(cr, 0x4A4458);
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
    });
    cairo_restore(cr);
    outline(cr, kTop, kBottom, 3, 0x1E1A28);
}

// B: a springy pad on coils; it throws whoever lands on it back into the air.
void drawSpring(cairo_t* cr) {
    slab(cr, kTop, kBottom, 4);
    paint::rgb(cr, 0x2A1E34);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    everyCell([&](double x0) {
        for (double cx : {x0 + 12.5, x0 + 37.5}) {
            cairo_new_path(cr);
            for (int i = 0; i <= 4; ++i) {
                const double y = 14.5 - i * 1.6, x = cx + (i % 2 ? 3.5 : -3.5);
                if (i == 0)
                    cairo_move_to(cr, cx - 3.5, y);
                else
                    cairo_line_to(cr, x, y);
            }
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            paint::rgb(cr, 0xE4E8F0);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    });
    // The rubber pad on top and the steel foot below.
    cairo_new_path(cr);
    paint::roundedRect(cr, kLeft - 1, kTop, kRight - kLeft + 2, 7, 3.5);
    paint::fillVertical(cr, kTop, 0xFF7A9A, kTop + 7, 0xC01846);
    cairo_new_path(cr);
    cairo_rectangle(cr, kLeft, 3.4, kRight - kLeft, 1.3);
    paint::rgb(cr, 0xFFD2DC);
    cairo_fill(cr);
    cairo_rectangle(cr, kLeft, 15, kRight - kLeft, 3);
    paint::fillVertical(cr, 15, 0xA0A4B4, 18, 0x585C6C);
    cairo_new_path(cr);
    cairo_restore(cr);
    outline(cr, kTop, kBottom, 4, 0x1A0E1E);
}

// I: a slab of ice with a frosty top, a sheen and icicles underneath.
void drawIce(cairo_t* cr) {
    everyCell([&](double x0) {
        for (auto [ix, len] : {std::array{9.0, 2.0}, {19.0, 1.8}, {31.0, 2.0}, {41.0, 1.6}}) {
            if (x0 + ix < kLeft + 3 || x0 + ix > kRight - 3) continue;
            cairo_move_to(cr, x0 + ix - 2.5, 16);
            cairo_line_to(cr, x0 + ix + 2.5, 16);
            cairo_line_to(cr, x0 + ix, 17 + len);
            cairo_close_path(cr);
        }
    });
    paint::fillStroke(cr, 0xB8F0FA, 0x2A6070, 0.9);
    slab(cr, kTop, kBottom, 4);
    paint::fillVertical(cr, kTop, 0xC8F6FF, kBottom, 0x5EBCD6);
    cairo_save(cr);
    cairo_clip(cr);
    everyCell([&](double x0) {
        // Slanted sheen streaks.
        for (auto [sx, w] : {std::array{6.0, 4.0}, {13.0, 1.6}, {31.0, 3.0}, {37.0, 1.2}}) {
            cairo_move_to(cr, x0 + sx + 6, kTop);
            cairo_line_to(cr, x0 + sx + 6 + w, kTop);
            cairo_line_to(cr, x0 + sx + w, kBottom);
            cairo_line_to(cr, x0 + sx, kBottom);
            cairo_close_path(cr);
        }
        paint::rgb(cr, 0xEAFCFF);
        cairo_fill(cr);
        cairo_move_to(cr, x0 + 20, 9);
        cairo_line_to(cr, x0 + 24, 12);
        cairo_line_to(cr, x0 + 23, 16);
        paint::rgb(cr, 0x4A9AB2);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        // Frost crust along the top.
        cairo_new_path(cr);
        cairo_move_to(cr, x0, kTop);
        cairo_line_to(cr, x0 + 50, kTop);
        cairo_line_to(cr, x0 + 50, 4.5);
        for (int s = 4; s >= 0; --s) {
            const double sx = x0 + s * 10;
            cairo_curve_to(cr, sx + 7, 6.5, sx + 3, 5.2, sx, 4.5);
        }
        cairo_close_path(cr);
        paint::rgb(cr, 0xFFFFFF);
        cairo_fill(cr);
    });
    cairo_restore(cr);
    outline(cr, kTop, kBottom, 4, 0x2A6070);
}

}  // namespace

void drawPlatformSlab(cairo_t* cr, int style) {
    using Style = void (*)(cairo_t*);
    static const Style styles[kPlatformKinds] = {drawGrass, drawPlank, drawStone, drawSpring, drawIce};
    cairo_save(cr);
    styles[style % kPlatformKinds](cr);
    cairo_restore(cr);
}

Picture makePlatforms() {
    Picture sheet(3 * kCellWidth, kPlatformKinds * kCellHeight);
    for (int k = 0; k < kPlatformKinds; ++k) {
        Canvas canvas(3 * kCellWidth, kCellHeight);
        drawPlatformSlab(canvas.cr(), k);
        sheet.paste(canvas.toSprite(), 0, k * kCellHeight);
    }
    return sheet;
}

}  // namespace vorn::pictures

#include "Screens.h"

#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Noise.h"
#include "Paint.h"
#include "ScreenScenery.h"

namespace vorn::pictures {

namespace {

using namespace scenery;

paint::Lettering logoStyle(double size) {
    paint::Lettering s;
    s.size = size;
    s.top = 0xFFF06A;
    s.bottom = 0xFF7A1E;
    s.outline = 0x2A1030;
    s.outlineWidth = size / 22;
    s.shadow = size / 20;
    return s;
}

paint::Lettering captionStyle(double size, uint32_t top, uint32_t bottom) {
    paint::Lettering s;
    s.size = size;
    s.top = top;
    s.bottom = bottom;
    s.outline = 0x1A0C22;
    s.outlineWidth = std::max(2.0, size / 14);
    s.shadow = size / 18;
    return s;
}

// The ground along the bottom of a screen: a row of grass platforms twice their game size.
void groundRow(cairo_t* cr, double y) {
    for (int i = 0; i < 4; ++i) platform(cr, 0, 10 + i * 260, y, 2);
}

void logo(cairo_t* cr, double cx, double baseline, double size) {
    paint::letters(cr, "Vorn!", cx, baseline, logoStyle(size));
    const double half = paint::lettersWidth(cr, "Vorn!", logoStyle(size)) / 2;
    paint::glint(cr, cx + half + size * 0.05, baseline - size * 0.72, size * 0.12, 0xFFFFFF);
    paint::glint(cr, cx - half - size * 0.02, baseline - size * 0.2, size * 0.07, 0xFFF6C8);
}

}  // namespace

Picture makeLoadingScreen() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    sky(cr, 0x080614, 0x24143C, 11, 120);
    hills(cr, 520, 70, 0x1A1030, 12);
    groundRow(cr, 546);
    logo(cr, 400, 290, 150);
    paint::letters(cr, "Loading...", 400, 370, captionStyle(34, 0xFFFFFF, 0xC8C0E8));
    for (int i = 0; i < 5; ++i) item(cr, ItemKind::Crystal, i * 3, 290 + i * 45, 400, 1.1);
    hero(cr, 2, 90, 550 - 36 * 2.2, 2.2, true);
    bomb(cr, BombLook::Normal, 3, 640, 550 - 40 * 1.8, 1.8);
    return canvas.toOpaque();
}

Picture makeGetReadyScreen() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    sky(cr, 0x0E0A26, 0x3A1E46, 21, 90);
    hills(cr, 470, 80, 0x22163A, 22);
    hills(cr, 520, 50, 0x160E26, 23);
    paint::letters(cr, "Get Ready!", 400, 160, captionStyle(96, 0xFFFFFF, 0xFFD040));
    quietPanel(cr, 190, 200, 610, 340);
    groundRow(cr, 540);
    hero(cr, 9, 120, 468, 2, true);
    item(cr, ItemKind::Crystal, 0, 330, 468, 1.6);
    item(cr, ItemKind::Crystal, 5, 400, 452, 1.6);
    item(cr, ItemKind::Crystal, 10, 470, 468, 1.6);
    bomb(cr, BombLook::Normal, 2, 620, 460, 2);
    bomb(cr, BombLook::Normal, 9, 40, 230, 1.5);
    bomb(cr, BombLook::Hot, 5, 690, 250, 1.5);
    paint::letters(cr, "Take every crystal and keep away from the bombs", 400, 390,
                   captionStyle(24, 0xFFFFFF, 0xE0D8FF));
    return canvas.toOpaque();
}

Picture makeCongratScreen() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    sky(cr, 0x2A1A5A, 0xF08A6A, 31, 40);
    hills(cr, 500, 90, 0x6A3A6A, 32);
    hills(cr, 540, 60, 0x4A2650, 33);
    // Hearts float up around the two of them.
    for (int i = 0; i < 16; ++i) {
        const double x = 120 + unit(34, i) * 560, y = 190 + unit(35, i) * 280, s = 14 + unit(36, i) * 22;
        paint::heart(cr, x, y, s);
        paint::rgb(cr, paint::mix(0xFF5A7A, 0xFFB0C8, unit(37, i)), 0.85);
        cairo_fill(cr);
    }
    paint::letters(cr, "Congratulations!", 400, 120, captionStyle(84, 0xFFF4A0, 0xFF9A3A));
    paint::letters(cr, "You rescued Dovi!", 400, 185, captionStyle(40, 0xFFFFFF, 0xFFD8EA));
    groundRow(cr, 540);
    hero(cr, 16, 250, 396, 4, true);
    dovi(cr, 4, 410, 402, 4, true);
    for (int i = 0; i < 6; ++i)
        item(cr, ItemKind::Crystal, i * 2, 60 + i * 130 + (i > 2 ? 40 : 0), 250 + (i % 2) * 40, 1.2);
    return canvas.toOpaque();
}

Picture makeGameOverScreen() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    sky(cr, 0x0A0408, 0x3A0C10, 41, 50);
    hills(cr, 500, 80, 0x1E080C, 42);
    // Embers drifting up from below.
    for (int i = 0; i < 60; ++i) {
        const double x = unit(43, i) * kScreenWidth, y = 250 + unit(44, i) * 350, r = 1 + unit(45, i) * 2;
        paint::ellipse(cr, x, y, r, r);
        paint::rgb(cr, 0xFF8A3A, 0.3 + unit(46, i) * 0.5);
        cairo_fill(cr);
    }
    paint::letters(cr, "Game Over", 400, 250, captionStyle(120, 0xFF5A4A, 0x8A0A14));
    paint::letters(cr, "The bombs got the better of you this time", 400, 320,
                   captionStyle(26, 0xFFE0D0, 0xFFB0A0));
    groundRow(cr, 540);
    bomb(cr, BombLook::Hot, 1, 140, 430, 2.4);
    bomb(cr, BombLook::Hot, 7, 560, 440, 2.2);
    bomb(cr, BombLook::Hit, 12, 360, 470, 1.7);
    return canvas.toOpaque();
}

Picture makeTitleScreen() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.cr();
    sky(cr, 0x070414, 0x2E1A4E, 51, 160);
    moon(cr, 700, 70, 38);
    hills(cr, 470, 90, 0x1C1034, 52);
    hills(cr, 520, 60, 0x140A24, 53);
    logo(cr, 400, 142, 160);

    // Between the two panels: the hero leaping across floating platforms, drawn at one
    // common scale so they read as one scene.
    constexpr double k = 1.6;
    platform(cr, 2, 222, 384, k);
    platform(cr, 4, 392, 306, k);
    platform(cr, 3, 226, 236, k);
    item(cr, ItemKind::Crystal, 0, 236, 384 + 3 * k - 35 * k, k);
    item(cr, ItemKind::Crystal, 6, 330, 384 + 3 * k - 35 * k, k);
    item(cr, ItemKind::ExtraHealth, 2, 404, 306 + 3 * k - 35 * k, k);
    item(cr, ItemKind::HighJump, 3, 250, 236 + 3 * k - 35 * k, k);
    hero(cr, 8, 340, 150, 2.0, true);
    bomb(cr, BombLook::Normal, 4, 514, 306 + 2 * k - 40 * k, k);

    // Along the bottom: the ground, Dovi waiting, and the bombs rolling in.
    constexpr double ground = 516;
    groundRow(cr, ground - 4);
    dovi(cr, 3, 640, ground - 30 * 2.4, 2.4, false);
    bomb(cr, BombLook::Hot, 10, 470, ground - 80, 2);
    bomb(cr, BombLook::Normal, 2, 40, ground - 80, 2);
    item(cr, ItemKind::Shoot, 0, 190, ground - 60, 1.6);
    item(cr, ItemKind::Invulnerable, 0, 320, ground - 60, 1.6);
    paint::letters(cr, "Take the crystals, dodge the bombs and rescue Dovi!", 400, 588,
                   captionStyle(22, 0xFFFFFF, 0xE8E0FF));

    quietPanel(cr, 5, 155, 200, 420);
    quietPanel(cr, 605, 155, kScreenWidth, 420);
    return canvas.toOpaque();
}

}  // namespace vorn::pictures

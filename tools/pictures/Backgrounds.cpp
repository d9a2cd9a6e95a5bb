#include "Backgrounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "Canvas.h"
#include "Noise.h"
#include "Paint.h"

namespace vorn::pictures {

namespace {

constexpr int kT = kTileSize;

struct Palette {
    uint32_t deep, mid, light, accent;
};

// Sets every pixel of the tile from a function of its position.
void fillPixels(Canvas& canvas, const std::function<uint32_t(int, int)>& colourAt) {
    cairo_surface_flush(canvas.surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.surface());
    const int stride = cairo_image_surface_get_stride(canvas.surface());
    for (int y = 0; y < kT; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < kT; ++x) row[x] = 0xFF000000u | colourAt(x, y);
    }
    cairo_surface_mark_dirty(canvas.surface());
}

// Draws something nine times, shifted by a whole tile each way, so whatever crosses an edge
// comes back in on the other side.
void wrapped(cairo_t* cr, const std::function<void()>& draw) {
    for (int dy = -kT; dy <= kT; dy += kT)
        for (int dx = -kT; dx <= kT; dx += kT) {
            cairo_save(cr);
            cairo_translate(cr, dx, dy);
            draw();
            cairo_restore(cr);
        }
}

double smooth(double edge0, double edge1, double v) {
    const double t = std::clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Distances to the nearest and second-nearest of a set of points on the repeating tile.
struct Cells {
    std::vector<std::array<double, 2>> points;
    // Points closer than `spacing` to one already placed are skipped, so no facet is a sliver.
    Cells(uint32_t seed, int count, double spacing) {
        for (uint32_t i = 0; points.size() < static_cast<size_t>(count) && i < 4000; ++i) {
            const double x = unit(seed, 2 * i) * kT, y = unit(seed, 2 * i + 1) * kT;
            double d1, d2;
            int which;
            nearest(x, y, &d1, &d2, &which);
            if (d1 >= spacing) points.push_back({x, y});
        }
    }
    void nearest(double x, double y, double* d1, double* d2, int* which) const {
        *d1 = *d2 = 1e9;
        *which = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            double dx = std::abs(x - points[i][0]), dy = std::abs(y - points[i][1]);
            dx = std::min(dx, kT - dx);
            dy = std::min(dy, kT - dy);
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < *d1) {
                *d2 = *d1;
                *d1 = d;
                *which = static_cast<int>(i);
            } else if (d < *d2) {
                *d2 = d;
            }
        }
    }
};

void woods(Canvas& canvas, const Palette& p, uint32_t seed) {
    const PeriodicNoise shade(seed, 4, 50), leaves(seed + 7, 5, 40);
    fillPixels(canvas, [&](int x, int y) {
        const double n = shade.fractal(x, y, 3);
        const double l = smooth(0.5, 0.62, leaves.fractal(x, y, 4));
        return paint::mix(paint::mix(p.deep, p.mid, n * 0.7), p.light, l * 0.35);
    });
    cairo_t* cr = canvas.cr();
    // Tree trunks in the distance, standing the full height of the tile.
    for (int t = 0; t < 3; ++t) {
        const double x = 15 + t * 62 + unit(seed, 50 + t) * 30, w = 4 + unit(seed, 60 + t) * 12;
        wrapped(cr, [&] {
            cairo_rectangle(cr, x, 0, w, kT);
            paint::rgb(cr, paint::shade(p.deep, -0.45), 0.85);
            cairo_fill(cr);
            for (int b = 0; b < 6; ++b) {
                const double by = unit(seed, 70 + t * 10 + b) * kT;
                cairo_rectangle(cr, x + w * 0.3, by, 1.2, 8 + b % 3 * 4);
            }
            paint::rgb(cr, p.deep, 0.9);
            cairo_fill(cr);
        });
    }
    // Clusters of leaves in front of the trunks.
    for (int i = 0; i < 55; ++i) {
        const double x = unit(seed, 100 + i) * kT, y = unit(seed, 200 + i) * kT;
        const double r = 4 + unit(seed, 300 + i) * 6, a = unit(seed, 400 + i) * 3.1;
        wrapped(cr, [&] {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, a);
            paint::ellipse(cr, 0, 0, r, r * 0.55);
            paint::rgb(cr, paint::mix(p.mid, p.light, unit(seed, 500 + i) * 0.6), 0.35);
            cairo_fill(cr);
            cairo_restore(cr);
        });
    }
    // A few fireflies.
    for (int i = 0; i < 5; ++i) {
        const double x = unit(seed, 600 + i) * kT, y = unit(seed, 700 + i) * kT;
        wrapped(cr, [&] {
            cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, 5);
            const uint32_t a = p.accent;
            cairo_pattern_add_color_stop_rgba(glow, 0, ((a >> 16) & 255) / 255.0, ((a >> 8) & 255) / 255.0,
                                              (a & 255) / 255.0, 0.8);
            cairo_pattern_add_color_stop_rgba(glow, 1, ((a >> 16) & 255) / 255.0, ((a >> 8) & 255) / 255.0,
                                              (a & 255) / 255.0, 0);
            cairo_set_source(cr, glow);
            cairo_arc(cr, x, y, 5, 0, 7);
            cairo_fill(cr);
            cairo_pattern_destroy(glow);
        });
    }
}

void castle(Canvas& canvas, const Palette& p, uint32_t seed) {
    const PeriodicNoise grain(seed, 25, 8), stain(seed + 3, 4, 50);
    constexpr int bw = 40, bh = 20;
    fillPixels(canvas, [&](int x, int y) {
        const int row = y / bh;
        const int shifted = (x + (row % 2) * (bw / 2)) % kT;
        const int col = shifted / bw;
        const int bx = shifted % bw, by = y % bh;
        const double g = grain.at(x, y) * 0.5 + stain.fractal(x, y, 3) * 0.5;
        if (bx < 2 || by < 2) return paint::shade(p.deep, -0.35);
        const double tint = unit(seed, static_cast<uint32_t>(row * 16 + col)) * 0.5;
        uint32_t c = paint::mix(p.deep, p.mid, 0.35 + tint * 0.6 + (g - 0.5) * 0.5);
        if (by == 2 || bx == 2) c = paint::mix(c, p.light, 0.3);
        if (by == bh - 1 || bx == bw - 1) c = paint::shade(c, -0.25);
        const double moss = smooth(0.6, 0.7, stain.fractal(x + 31, y + 17, 3));
        return paint::mix(c, p.accent, moss * 0.45);
    });
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 3; ++i) {
        const double x = unit(seed, 800 + i) * kT, y = unit(seed, 810 + i) * kT;
        wrapped(cr, [&] {
            cairo_move_to(cr, x, y);
            cairo_rel_line_to(cr, 4, 5);
            cairo_rel_line_to(cr, -2, 6);
            cairo_rel_line_to(cr, 5, 4);
            paint::rgb(cr, paint::shade(p.deep, -0.4), 0.8);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        });
    }
}

void cave(Canvas& canvas, const Palette& p, uint32_t seed) {
    const Cells cells(seed, 26, 22);
    const PeriodicNoise haze(seed + 5, 4, 50);
    fillPixels(canvas, [&](int x, int y) {
        double d1, d2;
        int which;
        cells.nearest(x, y, &d1, &d2, &which);
        // Each facet is lit by its own amount and brightens towards one edge.
        const double facet = unit(seed + 9, static_cast<uint32_t>(which));
        const double edge = 1 - smooth(0.0, 2.2, d2 - d1);
        const double ramp = std::clamp(d1 / 30.0, 0.0, 1.0);
        uint32_t c = paint::mix(p.deep, p.mid, facet * 0.7 * (1 - ramp * 0.5) + haze.fractal(x, y, 3) * 0.25);
        return paint::mix(c, p.light, edge * 0.32);
    });
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 4; ++i) {
        const double x = unit(seed, 900 + i) * kT, y = unit(seed, 910 + i) * kT;
        wrapped(cr, [&] {
            paint::glint(cr, x, y, 3 + unit(seed, 920 + i) * 2, paint::mix(p.light, p.accent, 0.5));
        });
    }
}

void volcano(Canvas& canvas, const Palette& p, uint32_t seed) {
    const Cells cells(seed, 22, 26);
    const PeriodicNoise rough(seed + 2, 8, 25);
    fillPixels(canvas, [&](int x, int y) {
        double d1, d2;
        int which;
        cells.nearest(x, y, &d1, &d2, &which);
        const double gap = d2 - d1;
        const double crack = 1 - smooth(0.0, 3.5, gap);
        const double core = 1 - smooth(0.0, 1.2, gap);
        const double rock = unit(seed + 4, static_cast<uint32_t>(which)) * 0.5 + rough.fractal(x, y, 3) * 0.5;
        uint32_t c = paint::mix(p.deep, p.mid, rock * 0.8);
        c = paint::mix(c, p.accent, crack * 0.55);
        return paint::mix(c, p.light, core * 0.35);
    });
}

void sky(Canvas& canvas, const Palette& p, uint32_t seed) {
    const PeriodicNoise cloud(seed, 4, 50), wisp(seed + 11, 8, 25);
    fillPixels(canvas, [&](int x, int y) {
        const double n = cloud.fractal(x, y, 4);
        const double w = smooth(0.45, 0.75, n * 0.7 + wisp.fractal(x, y, 2) * 0.3);
        return paint::mix(p.deep, paint::mix(p.mid, p.accent, smooth(0.55, 0.8, n)), w * 0.8);
    });
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 70; ++i) {
        const double x = unit(seed, 1000 + i) * kT, y = unit(seed, 1100 + i) * kT;
        const double bright = unit(seed, 1200 + i);
        wrapped(cr, [&] {
            if (i < 4) {
                paint::glint(cr, x, y, 4, paint::mix(p.light, 0xFFFFFF, 0.3));
            } else {
                cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
                paint::rgb(cr, p.light, 0.35 + bright * 0.6);
                cairo_fill(cr);
            }
        });
    }
}

}  // namespace

Picture makeBackgroundTile(int n) {
    // Five places; the second round shows each one again in other colours.
    static const Palette palettes[kTiles] = {
        {0x07140E, 0x143424, 0x2A5834, 0xE8F070},  // woods
        {0x1A1824, 0x3A3650, 0x6A6488, 0x2E4A2A},  // castle wall
        {0x061C24, 0x174A58, 0x5AB4C0, 0xC8FFFF},  // ice cave
        {0x140A08, 0x3A2420, 0xFFB040, 0x8A2A08},  // volcano
        {0x0C0818, 0x2A1650, 0xC8C0F0, 0x5A1E58},  // night sky
        {0x140E08, 0x3A2612, 0x6A4418, 0xFFB050},  // autumn woods
        {0x1C140C, 0x3E2C1C, 0x6A5236, 0x34341A},  // sandstone wall
        {0x160A22, 0x3E2058, 0xA070D0, 0xF0C8FF},  // amethyst cave
        {0x0E0E10, 0x2A2628, 0xFF7A3A, 0x6A1A10},  // ash and embers
        {0x04140E, 0x0E3A2A, 0xB0F0D0, 0x1E6A5A},  // aurora sky
    };
    using Theme = void (*)(Canvas&, const Palette&, uint32_t);
    static const Theme themes[5] = {woods, castle, cave, volcano, sky};
    Canvas canvas(kT, kT);
    const int index = (n - 1) % kTiles;
    themes[index % 5](canvas, palettes[index], 1000u + 37u * static_cast<uint32_t>(index));
    return canvas.toOpaque();
}

Picture makeBackgrounds() {
    Picture strip(kT * kTiles, kT);
    for (int n = 1; n <= kTiles; ++n) strip.paste(makeBackgroundTile(n), kT * (n - 1), 0);
    return strip;
}

}  // namespace vorn::pictures

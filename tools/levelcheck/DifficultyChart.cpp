#include "DifficultyChart.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>

namespace vorn::levelcheck {

namespace {

constexpr double kWidth = 1500, kHeight = 1100;
constexpr double kLeft = 80, kRight = 1230;  // the plot area; the legends sit right of it
constexpr double kTop = 120;
constexpr double kPanelHeight = 260, kPanelGap = 70;
constexpr const char* kFont = "Liberation Sans";

struct Line {
    const char* label;
    uint32_t colour;
    bool dashed;
    std::function<double(const LevelDifficulty&)> value;
};

struct Panel {
    const char* title;
    const char* unit;
    std::vector<Line> lines;
};

void colour(cairo_t* cr, uint32_t rgb) {
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void text(cairo_t* cr, double x, double y, const std::string& s, double size, bool bold = false,
          double align = 0) {
    cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, x - align * e.x_advance, y);
    cairo_show_text(cr, s.c_str());
}

// A round top for the axis: 100 for shares, else the next step of 1, 2 or 5 times a power of ten
// that leaves room above the highest value.
double axisTop(double highest, double& step) {
    if (highest <= 0) highest = 1;
    const double raw = highest / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    step = power * (raw <= power ? 1 : raw <= 2 * power ? 2 : raw <= 5 * power ? 5 : 10);
    return std::ceil(highest / step) * step;
}

}  // namespace

bool drawDifficultyChart(const std::filesystem::path& png, const std::vector<LevelDifficulty>& rows,
                         const std::string& title) {
    if (rows.empty()) return false;
    const int first = rows.front().level, last = rows.back().level;
    const double span = std::max(1, last - first);
    auto xOf = [&](int level) { return kLeft + 20 + (kRight - kLeft - 40) * (level - first) / span; };

    const std::vector<Panel> panels = {
        {"Routes that take a bomb hit, soak runs that survive 3,000 frames",
         "%",
         {{"routes hit", 0xD62828, false, [](const LevelDifficulty& r) { return 100 * r.routesHit; }},
          {"soak runs survive", 0x1D6FB8, false, [](const LevelDifficulty& r) { return 100 * r.survival; }}}},
        {"Route time from the start point to each item",
         "seconds",
         {{"mean route", 0x2A9D3F, false, [](const LevelDifficulty& r) { return r.meanSeconds; }},
          {"longest route", 0xE08A00, true, [](const LevelDifficulty& r) { return r.longestSeconds; }}}},
        {"Bombs and crystals",
         "count",
         {{"bombs", 0x333333, false, [](const LevelDifficulty& r) { return r.bombs; }},
          {"crystals", 0x8E44AD, false, [](const LevelDifficulty& r) { return r.crystals; }}}},
    };

    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(kWidth), static_cast<int>(kHeight));
    cairo_t* cr = cairo_create(surface);
    colour(cr, 0xFFFFFF);
    cairo_paint(cr);
    colour(cr, 0x111111);
    text(cr, kLeft, 40, title, 24, true);

    for (size_t p = 0; p < panels.size(); ++p) {
        const Panel& panel = panels[p];
        const double top = kTop + static_cast<double>(p) * (kPanelHeight + kPanelGap);
        const double bottom = top + kPanelHeight;

        // Themes: alternate bands, each named at the top of the first panel.
        for (size_t i = 0; i < rows.size();) {
            size_t j = i;
            while (j + 1 < rows.size() && rows[j + 1].theme == rows[i].theme) ++j;
            const double x0 =
                rows[i].level == first ? kLeft : (xOf(rows[i].level) + xOf(rows[i].level - 1)) / 2;
            const double x1 =
                rows[j].level == last ? kRight : (xOf(rows[j].level) + xOf(rows[j].level + 1)) / 2;
            colour(cr, rows[i].theme % 2 ? 0xF1F4F8 : 0xFFFFFF);
            cairo_rectangle(cr, x0, top, x1 - x0, kPanelHeight);
            cairo_fill(cr);
            if (p == 0) {
                char name[64];
                if (i == j)
                    std::snprintf(name, sizeof name, "theme %d: level %d", rows[i].theme, rows[i].level);
                else
                    std::snprintf(name, sizeof name, "theme %d: levels %d-%d", rows[i].theme, rows[i].level,
                                  rows[j].level);
                colour(cr, 0x555555);
                text(cr, (x0 + x1) / 2, top - 10, name, 14, true, 0.5);
            }
            if (i > 0) {
                colour(cr, 0x9AA5B1);
                cairo_set_line_width(cr, 1.5);
                cairo_move_to(cr, x0, top);
                cairo_line_to(cr, x0, bottom);
                cairo_stroke(cr);
            }
            i = j + 1;
        }

        double highest = 0;
        for (const Line& line : panel.lines)
            for (const LevelDifficulty& r : rows) highest = std::max(highest, line.value(r));
        double step = 20;
        const double yMax = panel.unit == std::string("%") ? 100 : axisTop(highest, step);
        auto yOf = [&](double v) { return bottom - kPanelHeight * v / yMax; };

        // Grid and the value axis.
        cairo_set_line_width(cr, 1);
        for (double v = 0; v <= yMax + 1e-9; v += step) {
            colour(cr, v == 0 ? 0x444444 : 0xD5D9DE);
            cairo_move_to(cr, kLeft, std::round(yOf(v)) + 0.5);
            cairo_line_to(cr, kRight, std::round(yOf(v)) + 0.5);
            cairo_stroke(cr);
            char label[32];
            std::snprintf(label, sizeof label, "%g", v);
            colour(cr, 0x333333);
            text(cr, kLeft - 8, yOf(v) + 5, label, 13, false, 1);
        }
        colour(cr, 0x444444);
        cairo_move_to(cr, kLeft + 0.5, top);
        cairo_line_to(cr, kLeft + 0.5, bottom);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, 24, (top + bottom) / 2);
        cairo_rotate(cr, -std::numbers::pi / 2);
        text(cr, 0, 0, panel.unit, 14, true, 0.5);
        cairo_restore(cr);
        colour(cr, 0x111111);
        text(cr, kLeft, top - (p == 0 ? 36 : 12), panel.title, 16, true);

        // The level axis under every panel.
        for (const LevelDifficulty& r : rows) {
            const double x = std::round(xOf(r.level)) + 0.5;
            const bool labelled = rows.size() <= 25 || r.level == first || r.level % 5 == 0;
            colour(cr, 0x444444);
            cairo_move_to(cr, x, bottom);
            cairo_line_to(cr, x, bottom + (labelled ? 7 : 4));
            cairo_stroke(cr);
            if (labelled) text(cr, x, bottom + 21, std::to_string(r.level), 13, false, 0.5);
        }
        colour(cr, 0x333333);
        text(cr, (kLeft + kRight) / 2, bottom + 39, "level", 14, true, 0.5);

        // The lines, a dot on every level, and their legend.
        for (size_t l = 0; l < panel.lines.size(); ++l) {
            const Line& line = panel.lines[l];
            colour(cr, line.colour);
            cairo_set_line_width(cr, 2.5);
            if (line.dashed) {
                const double dash[] = {8, 5};
                cairo_set_dash(cr, dash, 2, 0);
            }
            for (size_t i = 0; i < rows.size(); ++i) {
                const double x = xOf(rows[i].level), y = yOf(line.value(rows[i]));
                if (i == 0)
                    cairo_move_to(cr, x, y);
                else
                    cairo_line_to(cr, x, y);
            }
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            for (const LevelDifficulty& r : rows) {
                cairo_arc(cr, xOf(r.level), yOf(line.value(r)), 3.2, 0, 2 * std::numbers::pi);
                cairo_fill(cr);
            }

            const double ly = top + 30 + 28 * static_cast<double>(l);
            cairo_set_line_width(cr, 3);
            if (line.dashed) {
                const double dash[] = {8, 5};
                cairo_set_dash(cr, dash, 2, 0);
            }
            cairo_move_to(cr, kRight + 20, ly);
            cairo_line_to(cr, kRight + 60, ly);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            colour(cr, 0x222222);
            text(cr, kRight + 68, ly + 5, line.label, 15);
        }
    }

    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(surface, png.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

}  // namespace vorn::levelcheck

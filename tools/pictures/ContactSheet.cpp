// vorn-contact-sheet OUT.png [FOLDER]: one picture of every picture file in FOLDER (the
// program's own folder when none is given), each labelled, sprite sheets over mid-grey so
// their transparent parts show, and two play screens put together from them.
#include <cairo.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "Bmp.h"
#include "MockScreen.h"
#include "Paint.h"
#include "PictureSet.h"
#include "core/Geometry.h"

namespace {

using vorn::pictures::Picture;
using vorn::pictures::Pixel;
namespace paint = vorn::pictures::paint;

constexpr int kWidth = 1700;
constexpr int kMargin = 30;

cairo_surface_t* surfaceOf(const Picture& p, bool keyed) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width(), p.height());
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const Pixel q = p.at(x, y);
            const bool clear = keyed && vorn::pictures::toRgb565(q) == 31;
            *reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride + ptrdiff_t{4} * x) =
                clear ? 0u : 0xFF000000u | (q.r << 16) | (q.g << 8) | q.b;
        }
    cairo_surface_mark_dirty(s);
    return s;
}

class Sheet {
public:
    Sheet(int height)
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, height)),
          cr_(cairo_create(surface_)) {
        paint::rgb(cr_, 0x1C1C22);
        cairo_paint(cr_);
    }
    ~Sheet() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    cairo_t* cr() const { return cr_; }
    // Writes the sheet down to `height`, where its contents end.
    bool save(const std::string& path, double height) const {
        cairo_surface_t* used = cairo_surface_create_for_rectangle(surface_, 0, 0, kWidth, height);
        const bool written = cairo_surface_write_to_png(used, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(used);
        return written;
    }

    void label(double x, double y, const std::string& text, double size = 16) {
        cairo_select_font_face(cr_, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr_, size);
        cairo_move_to(cr_, x, y);
        paint::rgb(cr_, 0xF0F0F0);
        cairo_show_text(cr_, text.c_str());
    }

    // Draws the picture `scale` times enlarged with its top-left corner at (x, y); a keyed
    // picture goes over mid-grey, so what the game leaves out shows as grey.
    void picture(const Picture& p, double x, double y, double scale, bool keyed) {
        if (keyed) {
            cairo_rectangle(cr_, x, y, p.width() * scale, p.height() * scale);
            paint::rgb(cr_, 0x808080);
            cairo_fill(cr_);
        }
        cairo_surface_t* s = surfaceOf(p, keyed);
        cairo_save(cr_);
        cairo_translate(cr_, x, y);
        cairo_scale(cr_, scale, scale);
        cairo_set_source_surface(cr_, s, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
        cairo_paint(cr_);
        cairo_restore(cr_);
        cairo_surface_destroy(s);
    }

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

std::string programFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? "." : exe.parent_path().string();
}

int makeSheet(const std::string& out, const std::string& folder) {
    std::map<std::string, Picture> pictures;
    for (const auto& file : vorn::pictures::pictureFiles()) {
        auto p = vorn::pictures::readBmp((std::filesystem::path(folder) / file.name).string());
        if (!p) {
            std::cerr << "vorn-contact-sheet: cannot read " << file.name << " in " << folder << "\n";
            return 1;
        }
        pictures.emplace(file.name, std::move(*p));
    }
    auto get = [&](const std::string& name) -> const Picture& { return pictures.at(name); };

    Sheet sheet(4420);
    double y = kMargin + 20;
    sheet.label(kMargin, y, "Vorn! pictures", 26);
    y += 30;

    // Two play screens, on the first and the third scenery.
    const vorn::pictures::MockScreen mock(pictures);
    sheet.label(kMargin, y + 14, "Play screen, tile 1");
    sheet.label(kMargin + 830, y + 14, "Play screen, tile 3");
    mock.draw(sheet.cr(), kMargin, y + 24, 1);
    mock.draw(sheet.cr(), kMargin + 830, y + 24, 3);
    y += 24 + vorn::kScreenHeight + 20;

    // The same screen over every tile, small, to see that everything stands out everywhere.
    sheet.label(kMargin, y + 14, "Play screen on every tile (two fifths of its size)");
    y += 24;
    for (int n = 1; n <= 10; ++n) {
        cairo_save(sheet.cr());
        const int column = (n - 1) % 5, row = (n - 1) / 5;  // five pictures to a row
        cairo_translate(sheet.cr(), kMargin + column * 330, y + row * 250);
        cairo_scale(sheet.cr(), 0.4, 0.4);
        mock.draw(sheet.cr(), 0, 0, n);
        cairo_restore(sheet.cr());
    }
    y += 2 * 250 + 10;

    // Background tiles, each laid two by two at half size so a seam would show.
    sheet.label(kMargin, y + 14, "Background.bmp: ten tiles, each repeated 2 x 2 at half size");
    y += 24;
    const Picture& strip = get("Background.bmp");
    for (int n = 0; n < strip.width() / 200; ++n) {
        const int column = n % 5, row = n / 5;  // five tiles to a row
        const double x = kMargin + column * 330, ty = y + row * 230;
        const Picture tile = strip.crop(200 * n, 0, 200, 200);
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) sheet.picture(tile, x + 100 * i, ty + 100 * j + 18, 0.5, false);
        sheet.label(x, ty + 12, "tile " + std::to_string(n + 1), 13);
    }
    y += 2 * 230 + 10;

    // The five full-screen pictures at two fifths of their size.
    const char* screens[5] = {"Title.bmp", "Loading.bmp", "GetReady.bmp", "Congrat.bmp", "GameOver.bmp"};
    for (int i = 0; i < 5; ++i) {
        sheet.label(kMargin + i * 330, y + 14, screens[i], 13);
        sheet.picture(get(screens[i]), kMargin + i * 330, y + 22, 0.4, false);
    }
    y += 22 + 240 + 20;

    // Sprite sheets, enlarged.
    sheet.label(kMargin, y + 14, "Character.bmp (x2): poses 0-16 facing left, below facing right");
    sheet.picture(get("Character.bmp"), kMargin, y + 22, 2, true);
    sheet.label(kMargin + 1400, y + 14, "health icon", 13);
    Picture icon(20, 18);
    for (int iy = 0; iy < 18; ++iy)
        for (int ix = 0; ix < 20; ++ix) icon.set(ix, iy, get("Character.bmp").at(ix * 2, iy * 2));
    sheet.picture(icon, kMargin + 1400, y + 22, 1, true);
    sheet.picture(icon, kMargin + 1430, y + 22, 4, true);
    y += 22 + 144 + 20;

    const char* items[7] = {"Crystal.bmp",     "HighJump.bmp", "ExtraSpeed.bmp", "Invulnerable.bmp",
                            "ExtraHealth.bmp", "Shoot.bmp",    "Dovi.bmp"};
    for (const char* name : items) {
        sheet.label(kMargin, y + 14, std::string(name) + " (x2)", 13);
        sheet.picture(get(name), kMargin, y + 20, 2, true);
        y += 20 + 70 + 8;
    }
    const char* bombs[3] = {"NormalBomb.bmp", "HotBomb.bmp", "HitBomb.bmp"};
    for (const char* name : bombs) {
        sheet.label(kMargin, y + 14, std::string(name) + " (x2)", 13);
        sheet.picture(get(name), kMargin, y + 20, 2, true);
        y += 20 + 80 + 8;
    }

    sheet.label(kMargin, y + 14, "Platform.bmp (x3)", 13);
    sheet.picture(get("Platform.bmp"), kMargin, y + 20, 3, true);
    // Each style as a run: left end, three middles, right end; and a lone middle piece.
    const Picture& platforms = get("Platform.bmp");
    sheet.label(kMargin + 500, y + 14, "runs (x2)", 13);
    for (int k = 0; k < 5; ++k) {
        Picture run(350, 20);
        run.paste(platforms.crop(0, 20 * k, 50, 20), 0, 0);
        for (int m = 1; m <= 3; ++m) run.paste(platforms.crop(50, 20 * k, 50, 20), 50 * m, 0);
        run.paste(platforms.crop(100, 20 * k, 50, 20), 200, 0);
        run.paste(platforms.crop(50, 20 * k, 50, 20), 300, 0);
        sheet.picture(run, kMargin + 500, y + 20 + k * 60, 2, true);
    }
    sheet.label(kMargin + 1260, y + 14, "AmmoBall.bmp (x3)", 13);
    sheet.picture(get("AmmoBall.bmp").crop(0, 0, 120, 20), kMargin + 1260, y + 20, 3, true);
    sheet.label(kMargin + 1260, y + 110, "BombExit.bmp (x3)", 13);
    sheet.picture(get("BombExit.bmp"), kMargin + 1260, y + 116, 3, true);
    y += 116 + 300 + 20;

    if (!sheet.save(out, y)) {
        std::cerr << "vorn-contact-sheet: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

// In a sanitizer build, the font library's caches that live until the program ends are not
// leaks of ours.
// NOLINTBEGIN(bugprone-reserved-identifier): the sanitizer looks these names up.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
// NOLINTEND(bugprone-reserved-identifier)

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: vorn-contact-sheet OUT.png [FOLDER]\n";
        return 2;
    }
    const int result = makeSheet(argv[1], argc == 3 ? argv[2] : programFolder());
    cairo_debug_reset_static_data();
    return result;
}

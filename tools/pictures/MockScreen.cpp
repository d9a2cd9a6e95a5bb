#include "MockScreen.h"

#include <array>
#include <string>

#include "Paint.h"
#include "core/Geometry.h"
#include "game/state/LevelCodes.h"

namespace vorn::pictures {

namespace {

// A small level in the game's own letters, one string per row of 16 cells.
constexpr std::array<const char*, kGridRows> kLevel = {
    "                ", "                ", "                ", "                ", "                ",
    "   $        C   ", "  GGG     MMMM  ", "                ", "                ", "         ^   $  ",
    "  $  >      III ", "SSSSSS  IIIII   ", "                ", "                ", "          $  L  ",
    "     !     BBBBB", "  MMMM          ", "                ", "                ", "  $*         $  ",
    "BBBB     GGGGGG ", "                ", "                ", "      $      $  ", "    IIIII  SSSS ",
    "                ", "                ", " $      $     $ ", "                ", "GGGGGGGGGGGGGGGG"};

int codeOf(char c) {
    const int code = vorn::levelCode(c);
    return code == vorn::kInvalidCellCode ? vorn::kEmptyCell : code;
}

const char* itemFile(int code) {
    switch (code) {
        case kItemHighJump:
            return "HighJump.bmp";
        case kItemExtraSpeed:
            return "ExtraSpeed.bmp";
        case kItemInvulnerability:
            return "Invulnerable.bmp";
        case kItemCrystal:
            return "Crystal.bmp";
        case kItemBallBlaster:
            return "Shoot.bmp";
        case kItemExtraHealth:
            return "ExtraHealth.bmp";
        default:
            return "Dovi.bmp";
    }
}

cairo_surface_t* surfaceOf(const Picture& p) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.width(), p.height());
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const Pixel q = p.at(x, y);
            *reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride + ptrdiff_t{4} * x) =
                (q.r << 16) | (q.g << 8) | q.b;
        }
    cairo_surface_mark_dirty(s);
    return s;
}

void text(cairo_t* cr, double x, double y, double size, uint32_t colour, const std::string& s) {
    cairo_select_font_face(cr, "Comic Neue", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_move_to(cr, x, y + fe.ascent);
    paint::rgb(cr, colour);
    cairo_show_text(cr, s.c_str());
}

void box(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_rectangle(cr, x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1);
    paint::rgb(cr, 0xFFFF00);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

void MockScreen::blit(Picture& screen, const Picture& src, int sx, int sy, int sw, int sh, int dx, int dy,
                      int dw, int dh, bool keyed) {
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            const int tx = dx + x, ty = dy + y;
            if (tx < 0 || ty < 0 || tx >= screen.width() || ty >= screen.height()) continue;
            const Pixel p = src.at(sx + x * sw / dw, sy + y * sh / dh);
            if (keyed && toRgb565(p) == 31) continue;
            screen.set(tx, ty, p);
        }
}

Picture MockScreen::compose(int scenery) const {
    constexpr int kB = kBombSize, kS = kShotSize, kW = kItemWidth, kH = kItemHeight;
    constexpr int kLastFrame = kAnimationFrames - 1;
    Picture screen(kScreenWidth, kScreenHeight);
    const Picture& background = picture("Background.bmp");
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            blit(screen, background, 200 * (scenery - 1), 0, 200, 200, 200 * c, 200 * r, 200, 200, false);

    // Bombs, one of each look, and a shot on its way.
    blit(screen, picture("NormalBomb.bmp"), kB * 3, 0, kB, kB, 300, 542, kB, kB, true);
    blit(screen, picture("NormalBomb.bmp"), kB * (kLastFrame - 9), 0, kB, kB, 560, 182, kB, kB, true);
    blit(screen, picture("HotBomb.bmp"), kB * 6, 0, kB, kB, 520, 362, kB, kB, true);
    blit(screen, picture("HitBomb.bmp"), kB * 12, 0, kB, kB, 120, 70, kB, kB, true);
    blit(screen, picture("AmmoBall.bmp"), kS * 5, 0, kS, kS, 190, 550, kS, kS, true);
    blit(screen, picture("AmmoBall.bmp"), kS * (kLastFrame - 2), 0, kS, kS, 430, 240, kS, kS, true);

    // Dovi before the platforms, the hero standing (also before them), then the platforms.
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col)
            if (codeOf(kLevel[row][col]) == kItemDovi)
                blit(screen, picture("Dovi.bmp"), kW * 5, 0, kW, kH, col * kCellWidth + 5,
                     row * kCellHeight - 7, kW, kH, true);
    blit(screen, picture("Character.bmp"), kCharWidth * (kCharPoses - 1 - 2), kCharHeight, kCharWidth,
         kCharHeight, 105, 546, kCharWidth, kCharHeight, true);
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col) {
            const int code = codeOf(kLevel[row][col]);
            if (!isPlatformCode(code)) continue;
            const bool leftEmpty = col > 0 && !isPlatformCode(codeOf(kLevel[row][col - 1]));
            const bool rightEmpty = col < kGridColumns - 1 && !isPlatformCode(codeOf(kLevel[row][col + 1]));
            const int piece = leftEmpty && !rightEmpty   ? 0
                              : !leftEmpty && rightEmpty ? 2 * kCellWidth
                                                         : kCellWidth;
            blit(screen, picture("Platform.bmp"), piece, kCellHeight * code, kCellWidth, kCellHeight,
                 kCellWidth * col, kCellHeight * row, kCellWidth, kCellHeight, true);
        }
    // The hero again, jumping, over the platforms.
    blit(screen, picture("Character.bmp"), kCharWidth * 8, 0, kCharWidth, kCharHeight, 340, 300, kCharWidth,
         kCharHeight, true);

    int frame = 0;
    for (int row = 0; row < kGridRows; ++row)
        for (int col = 0; col < kGridColumns; ++col) {
            const int code = codeOf(kLevel[row][col]);
            if (!isItemCode(code) || code == kItemDovi) continue;
            frame = (frame + 5) % kAnimationFrames;
            blit(screen, picture(itemFile(code)), kW * frame, 0, kW, kH, col * kCellWidth + 5,
                 row * kCellHeight - 17, kW, kH, true);
        }
    blit(screen, picture("BombExit.bmp"), 10, 0, 10, 100, 0, 480, 10, 100, true);
    blit(screen, picture("BombExit.bmp"), 0, 0, 10, 100, kScreenWidth - 10, 480, 10, 100, true);

    // Health: the first pose at half size.
    for (int h = 0; h < 5; ++h)
        blit(screen, picture("Character.bmp"), 0, 0, kCharWidth, kCharHeight, 25 * h + 12, 10, kCharWidth / 2,
             kCharHeight / 2, true);
    const char* indicators[4] = {"ExtraSpeed.bmp", "HighJump.bmp", "Invulnerable.bmp", "Shoot.bmp"};
    for (int k = 0; k < 4; ++k)
        blit(screen, picture(indicators[k]), 0, 0, kW, kH, 600 + 45 * k, 5, kW, kH, true);
    return screen;
}

void MockScreen::draw(cairo_t* cr, double x, double y, int scenery) const {
    cairo_surface_t* s = surfaceOf(compose(scenery));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(s);

    // The game's own lettering and frames, roughly where the game puts them.
    for (int h = 0; h < 5; ++h) box(cr, 25 * h + 12, 10, 25 * h + 32, 28);
    text(cr, 12, 32, 21, 0xFFFFFF, "Score: 1280");
    text(cr, 150, 32, 16, 0xFFFF00, "Level 3: Up the Garden Path");
    const char* numbers[4] = {"24", "3", "9", "17"};
    for (int k = 0; k < 4; ++k) {
        text(cr, 600 + 45 * k + 2, 5 + 21, 11, 0xFFFF00, numbers[k]);
        box(cr, 600 + 45 * k, 5, 600 + kItemWidth + 45 * k, 5 + kItemHeight);
    }
    cairo_restore(cr);
}

}  // namespace vorn::pictures

#include "Icon.h"

#include <cairo-svg.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "HeroColours.h"
#include "Paint.h"

namespace vorn::pictures {

namespace {

using namespace hero;  // the colours of the hero himself
constexpr uint32_t kBandDark = 0xA8162A;
constexpr uint32_t kTileTop = 0x2C3A8C;
constexpr uint32_t kTileBottom = 0x121638;

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kWindowIconSize = 64;

// The icon is drawn on a 256-unit square; `pixel` is one pixel of the size drawn in units.
struct Pen {
    cairo_t* cr;
    double pixel;
    // A stroke never gets thinner than the given number of pixels, so the outline stays
    // whole at the small sizes.
    double width(double units, double atLeastPixels) const { return std::max(units, atLeastPixels * pixel); }
};

void drawTile(const Pen& pen) {
    paint::roundedRect(pen.cr, 4, 4, 248, 248, 54);
    paint::fillVertical(pen.cr, 4, kTileTop, 252, kTileBottom);
    cairo_new_path(pen.cr);
    // Stars only where a pixel is small enough to show one.
    if (pen.pixel <= 4) {
        paint::glint(pen.cr, 46, 50, 18, 0xFFF3C0);
        paint::glint(pen.cr, 222, 214, 12, 0xCFE0FF);
    }
}

void drawTails(const Pen& pen) {
    cairo_t* cr = pen.cr;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double ends[][4] = {{222, 80, 238, 52}, {226, 112, 240, 122}};
    for (const auto& e : ends) {
        cairo_new_path(cr);
        cairo_move_to(cr, 196, 96);
        cairo_curve_to(cr, 210, 92, e[0], e[1] + 6, e[2], e[3]);
        paint::outlinedStroke(cr, kOutline, pen.width(30, 2.2), kBand, pen.width(14, 1.0));
    }
}

void drawHead(const Pen& pen) {
    cairo_t* cr = pen.cr;
    const double cx = 120, cy = 146, r = 92;
    paint::ellipse(cr, cx, cy, r, r);
    fillLitBody(cr, cx - 34, cy - 40, 8, cx, cy, r + 12, 0.76, 0.42);

    // The headband wraps round the top of the head.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 74, 256, 40);
    paint::fillVertical(cr, 74, kBand, 114, kBandDark);
    cairo_new_path(cr);
    for (double y : {74.0, 114.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 256, y);
    }
    paint::rgb(cr, kOutline);
    cairo_set_line_width(cr, pen.width(7, 0.8));
    cairo_stroke(cr);
    cairo_restore(cr);

    paint::ellipse(cr, cx, cy, r, r);
    paint::rgb(cr, kOutline);
    cairo_set_line_width(cr, pen.width(11, 1.2));
    cairo_stroke(cr);
}

void drawFace(const Pen& pen) {
    cairo_t* cr = pen.cr;
    const double rx = 24, ry = 32;
    for (double cx : {88.0, 150.0}) {
        const double cy = 156;
        paint::ellipse(cr, cx, cy, rx, ry);
        paint::fillStroke(cr, 0xFFFFFF, kOutline, pen.width(7, 0.9));
        // Looking ahead, to the left, where Vorn runs.
        paint::ellipse(cr, cx - rx * 0.35, cy + ry * 0.1, rx * 0.5, ry * 0.55);
        paint::rgb(cr, kPupil);
        cairo_fill(cr);
        paint::ellipse(cr, cx - rx * 0.5, cy - ry * 0.2, rx * 0.16, rx * 0.16);
        paint::rgb(cr, 0xFFFFFF);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 100, 206);
    cairo_curve_to(cr, 110, 222, 132, 222, 142, 206);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::rgb(cr, kMouth);
    cairo_set_line_width(cr, pen.width(9, 1.0));
    cairo_stroke(cr);
}

// At 16 pixels soft edges only blur, so the same face is set by hand, pixel by pixel: the
// outline (K), the orange head (O) with its light (L), the headband (R, r) and its tails, the
// eyes (W) looking ahead (P) and the mouth (M), on the tile (N). Dots stay transparent.
constexpr const char* kSixteen[16] = {
    "..NNNNNNNNNNNN..", ".NNNNNNNNNNNNNN.", "NNNNNKKKKKNNNNNN", "NNNKKLLOOOKKNNNR",
    "NNKRRRRRRRRRKNRN", "NKRRRRRRRRRRRRNN", "NKrrrrrrrrrrrKRN", "NKOOOOOOOOOOOKNR",
    "NKOWWWOOWWWOOKNN", "NKOPWWOOPWWOOKNN", "NKOPWWOOPWWOOKNN", "NKOWWWOOWWWOOKNN",
    "NKOOOOOOOOOOOKNN", "NNKOOOMMOOOOKNNN", ".NNKKOOOOOKKNNN.", "..NNNKKKKKNNNN..",
};

void drawSixteen(cairo_t* cr) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint32_t colour = 0;
            switch (kSixteen[y][x]) {
                case 'N':
                    colour = paint::mix(kTileTop, kTileBottom, y / 15.0);
                    break;
                case 'K':
                    colour = kOutline;
                    break;
                case 'O':
                    colour = 0xF28628;
                    break;
                case 'L':
                    colour = 0xFFC070;
                    break;
                case 'R':
                    colour = kBand;
                    break;
                case 'r':
                    colour = kBandDark;
                    break;
                case 'W':
                    colour = 0xFFFFFF;
                    break;
                case 'P':
                    colour = kPupil;
                    break;
                case 'M':
                    colour = kMouth;
                    break;
                default:
                    continue;
            }
            cairo_rectangle(cr, x, y, 1, 1);
            paint::rgb(cr, colour);
            cairo_fill(cr);
        }
}

// A 32-bit bitmap with an alpha mask (BITMAPV4HEADER), the kind SDL_LoadBMP gives alpha for.
bool writeAlphaBmp(const std::string& path, cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<uint8_t> out;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    constexpr uint32_t kHeaders = 14 + 108;
    const auto imageSize = static_cast<uint32_t>(w * h * 4);
    out.push_back('B');
    out.push_back('M');
    put32(kHeaders + imageSize);
    put32(0);
    put32(kHeaders);
    put32(108);
    put32(static_cast<uint32_t>(w));
    put32(static_cast<uint32_t>(h));  // bottom-up
    put16(1);
    put16(32);
    put32(3);  // BI_BITFIELDS
    put32(imageSize);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) put32(mask);
    put32(0x73524742);                      // 'sRGB'
    for (int i = 0; i < 12; ++i) put32(0);  // end points and gamma, unused with sRGB
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const uint32_t argb = *reinterpret_cast<const uint32_t*>(
                data + static_cast<ptrdiff_t>(y) * stride + ptrdiff_t{4} * x);
            const uint32_t a = argb >> 24;
            // Cairo keeps colours multiplied by coverage; the file keeps them whole.
            auto whole = [&](int shift) {
                const uint32_t c = (argb >> shift) & 0xFF;
                return a == 0 ? 0u : std::min<uint32_t>(255, (c * 255 + a / 2) / a);
            };
            put32(a << 24 | whole(16) << 16 | whole(8) << 8 | whole(0));
        }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace

void drawIcon(cairo_t* cr, double size) {
    cairo_save(cr);
    if (size == 16) {
        drawSixteen(cr);
        cairo_restore(cr);
        return;
    }
    cairo_scale(cr, size / 256, size / 256);
    const Pen pen{cr, 256 / size};

    drawTile(pen);
    drawTails(pen);
    drawHead(pen);
    drawFace(pen);
    cairo_restore(cr);
}

bool writeIcons(const std::string& folder) {
    bool written = true;
    auto draw = [](int size) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surface);
        drawIcon(cr, size);
        cairo_destroy(cr);
        return surface;
    };
    for (int size : kSizes) {
        cairo_surface_t* surface = draw(size);
        const std::string path = folder + "/vorn-" + std::to_string(size) + ".png";
        written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS && written;
        cairo_surface_destroy(surface);
    }

    cairo_surface_t* window = draw(kWindowIconSize);
    written = writeAlphaBmp(folder + "/Icon.bmp", window) && written;
    cairo_surface_destroy(window);

    cairo_surface_t* svg = cairo_svg_surface_create((folder + "/vorn.svg").c_str(), 256, 256);
    cairo_t* cr = cairo_create(svg);
    drawIcon(cr, 256);
    cairo_destroy(cr);
    cairo_surface_finish(svg);
    written = cairo_surface_status(svg) == CAIRO_STATUS_SUCCESS && written;
    cairo_surface_destroy(svg);
    return written;
}

}  // namespace vorn::pictures

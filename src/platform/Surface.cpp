#include "platform/Surface.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/Error.h"
#include "core/Windows1252.h"
#include "platform/Font.h"

namespace vorn {

uint16_t toRgb565(uint32_t colour) {
    uint32_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

namespace {

// Mixes one channel-packed RGB565 pixel towards a colour by coverage 0..255.
uint16_t blend565(uint16_t dst, uint16_t src, unsigned coverage) {
    if (coverage >= 255) return src;
    unsigned dr = dst >> 11, dg = (dst >> 5) & 63, db = dst & 31;
    unsigned sr = src >> 11, sg = (src >> 5) & 63, sb = src & 31;
    unsigned r = (sr * coverage + dr * (255 - coverage) + 127) / 255;
    unsigned g = (sg * coverage + dg * (255 - coverage) + 127) / 255;
    unsigned b = (sb * coverage + db * (255 - coverage) + 127) / 255;
    return static_cast<uint16_t>((r << 11) | (g << 5) | b);
}

// Sets count pixels to one value; a value whose two bytes agree (black, white) is a byte fill.
void fillRow(uint16_t* out, int count, uint16_t value) {
    if ((value & 0xFF) == (value >> 8))
        std::memset(out, value & 0xFF, sizeof(uint16_t) * static_cast<size_t>(count));
    else
        std::fill_n(out, count, value);
}

}  // namespace

Surface::Surface(int width, int height)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

std::shared_ptr<Surface> Surface::loadBitmap(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw VornError(kErrFileNotFound, "File not found");
    // SDL reads every kind of Windows bitmap and turns it into RGB565; the rows are then copied.
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) throw VornError(kErrPathAccess, std::string("Bad bitmap file (") + SDL_GetError() + ")");
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB565, 0);
    SDL_FreeSurface(loaded);
    if (!converted) throw VornError(kErrPathAccess, std::string("Bad bitmap file (") + SDL_GetError() + ")");
    auto result = std::make_shared<Surface>(converted->w, converted->h);
    const size_t rowBytes = sizeof(uint16_t) * static_cast<size_t>(converted->w);
    for (int y = 0; y < converted->h; ++y)
        std::memcpy(
            result->rowOf(y),
            static_cast<const uint8_t*>(converted->pixels) + static_cast<ptrdiff_t>(y) * converted->pitch,
            rowBytes);
    SDL_FreeSurface(converted);
    return result;
}

int Surface::width() const { return width_; }
int Surface::height() const { return height_; }
uint16_t Surface::pixel(int x, int y) const { return row(y)[x]; }
void Surface::setPixel(int x, int y, uint16_t value) { rowOf(y)[x] = value; }
const uint16_t* Surface::row(int y) const { return pixels_.data() + static_cast<ptrdiff_t>(y) * width_; }

bool Surface::blt(const Rect& destRect, const Surface& src, const Rect& srcRect, bool keyed) {
    // The copy is refused, as the display hardware refuses it, when the source rectangle
    // does not lie inside the source picture.
    if (srcRect.empty() || destRect.empty()) return false;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src.width() || srcRect.Bottom > src.height())
        return false;
    const int dw = destRect.Right - destRect.Left, dh = destRect.Bottom - destRect.Top;
    const int sw = srcRect.Right - srcRect.Left, sh = srcRect.Bottom - srcRect.Top;
    const bool stretch = dw != sw || dh != sh;

    // Clip the destination to this surface; the source follows pixel for pixel.
    const int x0 = std::max(destRect.Left, 0), y0 = std::max(destRect.Top, 0);
    const int x1 = std::min(destRect.Right, width()), y1 = std::min(destRect.Bottom, height());
    if (x0 >= x1 || y0 >= y1) return true;

    for (int y = y0; y < y1; ++y) {
        const int sy = srcRect.Top + (stretch ? (y - destRect.Top) * sh / dh : y - destRect.Top);
        const uint16_t* in = src.row(sy);
        uint16_t* out = rowOf(y);
        if (!stretch && !keyed) {
            std::memmove(out + x0, in + srcRect.Left + (x0 - destRect.Left), sizeof(uint16_t) * (x1 - x0));
            continue;
        }
        for (int x = x0; x < x1; ++x) {
            const int sx = srcRect.Left + (stretch ? (x - destRect.Left) * sw / dw : x - destRect.Left);
            const uint16_t p = in[sx];
            if (!keyed || p != kColourKey) out[x] = p;
        }
    }
    return true;
}

void Surface::copyAll(const Surface& src) {
    // The whole of a surface is never outside it, so this copy is never refused.
    (void)blt(Rect{0, 0, width(), height()}, src, Rect{0, 0, src.width(), src.height()}, false);
}

void Surface::drawBox(int x1, int y1, int x2, int y2) {
    // The right and bottom edges lie just outside the box, as with every rectangle of the game.
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const int cx0 = std::max(x1, 0), cy0 = std::max(y1, 0);
    const int cx1 = std::min(x2, width()), cy1 = std::min(y2, height());
    if (cx0 >= cx1 || cy0 >= cy1) return;
    const uint16_t fore = toRgb565(foreColour_), fill = toRgb565(fillColour_);
    const bool solid = fillStyle_ == FillStyle::Solid;
    // A hollow box touches only its outline; the inside of a solid one goes a row at a time.
    const int inside0 = std::max(x1 + 1, cx0), inside1 = std::min(x2 - 1, cx1);
    const bool leftShown = x1 == cx0, rightShown = x2 - 1 < cx1 && x2 - 1 > x1;
    for (int y = cy0; y < cy1; ++y) {
        uint16_t* out = rowOf(y);
        if (y == y1 || y == y2 - 1) {
            fillRow(out + cx0, cx1 - cx0, fore);
            continue;
        }
        if (solid && inside0 < inside1) fillRow(out + inside0, inside1 - inside0, fill);
        if (leftShown) out[x1] = fore;
        if (rightShown) out[x2 - 1] = fore;
    }
}

int Surface::drawText(int x, int y, std::string_view text) {
    if (!font_) return x;
    const uint16_t fore = toRgb565(foreColour_);
    int penX = x;
    for (size_t i = 0; i < text.size();) {
        const Font::Glyph& g = font_->glyph(nextWindows1252(text, i));
        for (int gy = 0; gy < g.height; ++gy) {
            const int py = y + g.offsetY + gy;
            if (py < 0 || py >= height()) continue;
            uint16_t* out = rowOf(py);
            const uint8_t* cov = g.coverage + static_cast<ptrdiff_t>(gy) * g.width;
            for (int gx = 0; gx < g.width; ++gx) {
                const int px = penX + g.offsetX + gx;
                if (px < 0 || px >= width() || cov[gx] == 0) continue;
                out[px] = blend565(out[px], fore, cov[gx]);
            }
        }
        penX += g.advance;
    }
    return penX;
}

}  // namespace vorn

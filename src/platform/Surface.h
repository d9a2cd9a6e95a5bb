// A software RGB565 picture: the primary surface, the back buffer and every loaded bitmap.
// The same class serves the real display and the headless platform, so drawing is tested
// on the pixels the game shows. Boxes and text use the settings kept on the surface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Rect.h"

namespace vorn {

class Font;

// Colours are 0x00BBGGRR values: red in the low byte, blue in the third.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
uint16_t toRgb565(uint32_t colour);

enum class FillStyle : int { Solid = 0, Transparent = 1 };

class Surface {
public:
    // The pixel value that every loaded bitmap treats as transparent: pure blue.
    static constexpr uint16_t kColourKey = 31;

    Surface(int width, int height);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Loads a BMP file into a new RGB565 surface with the colour key set.
    // Throws VornError with the platform's description when the file cannot be read.
    static std::shared_ptr<Surface> loadBitmap(const std::string& path);

    int width() const;
    int height() const;
    uint16_t pixel(int x, int y) const;
    void setPixel(int x, int y, uint16_t value);
    // Rows lie one after the other, width() pixels each.
    const uint16_t* row(int y) const;

    // Copies src's srcRect onto destRect of this surface, stretching when the sizes differ.
    // A source rectangle outside the source surface is refused: nothing drawn, false returned.
    [[nodiscard]] bool blt(const Rect& destRect, const Surface& src, const Rect& srcRect, bool keyed);
    // Whole surface to whole surface, plain.
    void copyAll(const Surface& src);

    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    void setFillColour(uint32_t colour) { fillColour_ = colour; }
    void setForeColour(uint32_t colour) { foreColour_ = colour; }
    void setFont(const Font& font) { font_ = &font; }
    FillStyle fillStyle() const { return fillStyle_; }
    uint32_t fillColour() const { return fillColour_; }
    uint32_t foreColour() const { return foreColour_; }

    // Outline (x1, y1)-(x2, y2) in the fore colour, the inside filled when the style is solid.
    void drawBox(int x1, int y1, int x2, int y2);
    // UTF-8 text with its top-left corner at (x, y), transparent background, current font and
    // colour. Characters outside Windows-1252 show as '?'. Answers the x where text that goes on
    // would start: a line drawn in pieces is the same as the line drawn at once.
    int drawText(int x, int y, std::string_view text);

private:
    uint16_t* rowOf(int y) { return pixels_.data() + static_cast<ptrdiff_t>(y) * width_; }

    int width_, height_;
    std::vector<uint16_t> pixels_;
    FillStyle fillStyle_ = FillStyle::Transparent;
    uint32_t fillColour_ = 0;
    uint32_t foreColour_ = 0;
    const Font* font_ = nullptr;
};

using SurfaceRef = std::shared_ptr<Surface>;

}  // namespace vorn

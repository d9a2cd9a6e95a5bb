// A finished picture in 24-bit colour, the form in which it is written to a bitmap file.
// Sprite sheets mark their transparent pixels with the key colour, pure blue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn::pictures {

struct Pixel {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Pixel&) const = default;
};

inline constexpr Pixel kKey{0, 0, 255};

// The game keeps pictures as 16-bit RGB565 and treats the value 31 as transparent, so a
// visible pixel that would land on it is moved off by the smallest step of green.
Pixel visible(Pixel p);
uint16_t toRgb565(Pixel p);

class Picture {
public:
    Picture(int width, int height, Pixel fill = kKey);

    int width() const { return width_; }
    int height() const { return height_; }
    Pixel at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void set(int x, int y, Pixel p) { pixels_[static_cast<size_t>(y) * width_ + x] = p; }

    // Copies the whole of src with its top-left corner at (x, y); parts outside are dropped.
    void paste(const Picture& src, int x, int y);
    Picture crop(int x, int y, int width, int height) const;
    Picture mirrored() const;

private:
    int width_, height_;
    std::vector<Pixel> pixels_;
};

}  // namespace vorn::pictures

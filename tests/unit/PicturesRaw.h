// Reading the game's picture files back exactly as written (24 bits a pixel), for the tests
// of the pictures: the 16-bit surfaces the game makes of them lose the low bits of colour.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Surface.h"
#include "support/Paths.h"

namespace vorn::test {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    // What the game's colour-keyed copies leave out.
    bool transparent() const { return toRgb565(rgb(r, g, b)) == Surface::kColourKey; }
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

inline int colourStep(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct RawPicture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool painted(int x, int y) const { return !at(x, y).transparent(); }

    // An uncompressed bottom-up 24-bit bitmap from the program's folder; empty, with a failure, if not.
    static RawPicture read(const std::string& name) {
        RawPicture p;
        const std::string in = fileBytes(binDir() + "/" + name);
        auto byte = [&](size_t at) { return static_cast<uint8_t>(in[at]); };
        auto u32 = [&](size_t at) {
            return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 |
                   static_cast<uint32_t>(byte(at + 3)) << 24;
        };
        if (in.size() < 54 || in.compare(0, 2, "BM") != 0 || (byte(28) | byte(29) << 8) != 24 ||
            u32(30) != 0) {
            ADD_FAILURE() << name << " is not an uncompressed 24-bit bitmap";
            return p;
        }
        const auto w = static_cast<int32_t>(u32(18)), h = static_cast<int32_t>(u32(22));
        const size_t stride = (w * 3 + 3) / 4 * 4, offset = u32(10);
        if (w <= 0 || h <= 0 || in.size() < offset + stride * h) {
            ADD_FAILURE() << name << " is cut short or not bottom-up";
            return p;
        }
        p.width = w;
        p.height = h;
        for (int y = 0; y < h; ++y)
            for (size_t x = 0, row = offset + (h - 1 - y) * stride; x < static_cast<size_t>(w); ++x)
                p.pixels.push_back({byte(row + 3 * x + 2), byte(row + 3 * x + 1), byte(row + 3 * x)});
        return p;
    }

    RawPicture crop(int x0, int y0, int w, int h) const {
        RawPicture out{w, h, {}};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.pixels.push_back(at(x0 + x, y0 + y));
        return out;
    }
};

}  // namespace vorn::test

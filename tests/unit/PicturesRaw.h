// Reading the game's picture files back exactly as written (24 bits a pixel), for the tests
// of the pictures: the 16-bit surfaces the game makes of them lose the low bits of colour.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
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
    uint16_t rgb565() const { return toRgb565(rgb(r, g, b)); }
    // What the game's colour-keyed copies leave out.
    bool transparent() const { return rgb565() == Surface::kColourKey; }
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

class RawPicture {
public:
    int width = 0, height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool painted(int x, int y) const { return !at(x, y).transparent(); }

    static RawPicture read(const std::string& name) {
        RawPicture p;
        std::ifstream file(binDir() + "/" + name, std::ios::binary);
        const std::vector<uint8_t> in((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
        auto u32 = [&](size_t at) {
            return static_cast<uint32_t>(in[at] | (in[at + 1] << 8) | (in[at + 2] << 16)) |
                   (static_cast<uint32_t>(in[at + 3]) << 24);
        };
        if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') {
            ADD_FAILURE() << name << " is not a bitmap file";
            return p;
        }
        const uint32_t offset = u32(10);
        const auto w = static_cast<int32_t>(u32(18)), h = static_cast<int32_t>(u32(22));
        const int bits = in[28] | (in[29] << 8);
        if (bits != 24 || u32(30) != 0 || w <= 0 || h <= 0) {
            ADD_FAILURE() << name << " is not an uncompressed bottom-up 24-bit bitmap";
            return p;
        }
        const int stride = (w * 3 + 3) / 4 * 4;
        if (in.size() < offset + static_cast<size_t>(stride) * h) {
            ADD_FAILURE() << name << " is cut short";
            return p;
        }
        p.width = w;
        p.height = h;
        p.pixels.resize(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            const size_t row = offset + static_cast<size_t>(h - 1 - y) * stride;
            for (int x = 0; x < w; ++x)
                p.pixels[static_cast<size_t>(y) * w + x] = {in[row + 3 * x + 2], in[row + 3 * x + 1],
                                                            in[row + 3 * x]};
        }
        return p;
    }

    RawPicture crop(int x0, int y0, int w, int h) const {
        RawPicture out;
        out.width = w;
        out.height = h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.pixels.push_back(at(x0 + x, y0 + y));
        return out;
    }

    int paintedCount() const {
        int n = 0;
        for (const Rgb& p : pixels) n += !p.transparent();
        return n;
    }
};

}  // namespace vorn::test

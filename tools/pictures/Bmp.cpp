#include "Bmp.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace vorn::pictures {

namespace {

constexpr int kHeaderSize = 14 + 40;

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

uint32_t get32(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (static_cast<uint32_t>(in[at + 3]) << 24);
}

uint16_t get16(const std::vector<uint8_t>& in, size_t at) {
    return static_cast<uint16_t>(in[at] | (in[at + 1] << 8));
}

int rowBytes(int width) { return (width * 3 + 3) / 4 * 4; }

}  // namespace

bool writeBmp(const std::string& path, const Picture& picture) {
    const int stride = rowBytes(picture.width());
    const uint32_t imageSize = static_cast<uint32_t>(stride) * picture.height();
    std::vector<uint8_t> out;
    out.reserve(kHeaderSize + imageSize);

    out.push_back('B');
    out.push_back('M');
    put32(out, kHeaderSize + imageSize);
    put32(out, 0);
    put32(out, kHeaderSize);

    put32(out, 40);
    put32(out, static_cast<uint32_t>(picture.width()));
    put32(out, static_cast<uint32_t>(picture.height()));
    put16(out, 1);   // planes
    put16(out, 24);  // bits per pixel
    put32(out, 0);   // no compression
    put32(out, imageSize);
    put32(out, 2835);  // 72 dots per inch, as metres
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);

    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Pixel p = picture.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (int pad = picture.width() * 3; pad < stride; ++pad) out.push_back(0);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

std::optional<Picture> readBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<uint8_t> in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (in.size() < kHeaderSize || in[0] != 'B' || in[1] != 'M') return std::nullopt;
    const uint32_t offset = get32(in, 10);
    const auto width = static_cast<int32_t>(get32(in, 18));
    const auto height = static_cast<int32_t>(get32(in, 22));
    if (get16(in, 28) != 24 || get32(in, 30) != 0 || width <= 0 || height == 0) return std::nullopt;
    const bool bottomUp = height > 0;
    const int rows = bottomUp ? height : -height;
    const int stride = rowBytes(width);
    if (in.size() < offset + static_cast<size_t>(stride) * rows) return std::nullopt;

    Picture picture(width, rows);
    for (int r = 0; r < rows; ++r) {
        const size_t at = offset + static_cast<size_t>(r) * stride;
        const int y = bottomUp ? rows - 1 - r : r;
        for (int x = 0; x < width; ++x) {
            const size_t px = at + size_t{3} * static_cast<size_t>(x);
            picture.set(x, y, Pixel{in[px + 2], in[px + 1], in[px]});
        }
    }
    return picture;
}

}  // namespace vorn::pictures

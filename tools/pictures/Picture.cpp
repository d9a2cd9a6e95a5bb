#include "Picture.h"

namespace vorn::pictures {

uint16_t toRgb565(Pixel p) {
    return static_cast<uint16_t>(((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3));
}

Pixel visible(Pixel p) {
    if (toRgb565(p) == 31) p.g = 4;
    return p;
}

Picture::Picture(int width, int height, Pixel fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Picture::paste(const Picture& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy) {
        const int dy = y + sy;
        if (dy < 0 || dy >= height_) continue;
        for (int sx = 0; sx < src.width(); ++sx) {
            const int dx = x + sx;
            if (dx >= 0 && dx < width_) set(dx, dy, src.at(sx, sy));
        }
    }
}

Picture Picture::crop(int x, int y, int width, int height) const {
    Picture out(width, height);
    out.paste(*this, -x, -y);
    return out;
}

Picture Picture::mirrored() const {
    Picture out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.set(width_ - 1 - x, y, at(x, y));
    return out;
}

}  // namespace vorn::pictures

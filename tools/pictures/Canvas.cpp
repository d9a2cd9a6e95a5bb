#include "Canvas.h"

#include <cstddef>
#include <cstdint>

namespace vorn::pictures {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Pixel Canvas::colourAt(int x, int y, uint8_t* alpha) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const uint32_t argb =
        *reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride + ptrdiff_t{4} * x);
    const uint32_t a = argb >> 24;
    *alpha = static_cast<uint8_t>(a);
    if (a == 0) return Pixel{0, 0, 0};
    // Cairo keeps colours multiplied by coverage; dividing it out gives the sprite's own colour.
    auto channel = [&](int shift) {
        const uint32_t c = (argb >> shift) & 0xFF;
        const uint32_t v = (c * 255 + a / 2) / a;
        return static_cast<uint8_t>(v > 255 ? 255 : v);
    };
    return Pixel{channel(16), channel(8), channel(0)};
}

Picture Canvas::toSprite() const {
    cairo_surface_flush(surface_);
    Picture out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint8_t alpha = 0;
            const Pixel p = colourAt(x, y, &alpha);
            out.set(x, y, alpha >= 128 ? visible(p) : kKey);
        }
    return out;
}

Picture Canvas::toOpaque() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Picture out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            // Premultiplied colour is exactly the colour over black.
            const uint32_t argb = *reinterpret_cast<const uint32_t*>(
                data + static_cast<ptrdiff_t>(y) * stride + ptrdiff_t{4} * x);
            out.set(x, y,
                    visible(Pixel{static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                                  static_cast<uint8_t>(argb)}));
        }
    return out;
}

}  // namespace vorn::pictures

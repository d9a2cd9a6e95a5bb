#include "platform/sdl/ShownFrame.h"

#include <cstring>

#include "platform/Surface.h"

namespace vorn {

bool ShownFrame::needsPresent(const Surface& picture, int outputWidth, int outputHeight) {
    if (sameAsShown(picture, outputWidth, outputHeight)) return false;
    remember(picture, outputWidth, outputHeight);
    return true;
}

bool ShownFrame::sameAsShown(const Surface& picture, int outputWidth, int outputHeight) const {
    if (!known_ || outputWidth != outputWidth_ || outputHeight != outputHeight_ ||
        picture.width() != width_ || picture.height() != height_)
        return false;
    const size_t rowBytes = sizeof(uint16_t) * static_cast<size_t>(width_);
    for (int y = 0; y < height_; ++y)
        if (std::memcmp(picture.row(y), pixels_.data() + static_cast<size_t>(y) * width_, rowBytes) != 0)
            return false;
    return true;
}

void ShownFrame::remember(const Surface& picture, int outputWidth, int outputHeight) {
    width_ = picture.width();
    height_ = picture.height();
    outputWidth_ = outputWidth;
    outputHeight_ = outputHeight;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    const size_t rowBytes = sizeof(uint16_t) * static_cast<size_t>(width_);
    for (int y = 0; y < height_; ++y)
        std::memcpy(pixels_.data() + static_cast<size_t>(y) * width_, picture.row(y), rowBytes);
    known_ = true;
}

}  // namespace vorn

// What the window shows: a copy of the last picture presented and the window size it was
// presented at. The title screen and every still picture are drawn again 33 times a second;
// uploading and presenting the same pixels each time is most of the program's work while it
// waits, so a picture already on the window is not presented again.
#pragma once

#include <cstdint>
#include <vector>

namespace vorn {

class Surface;

class ShownFrame {
public:
    // True when `picture` must go to the window: it differs from the last picture presented,
    // the window's drawable size changed, or the window was drawn over since. It is then taken
    // as shown, so the caller presents it.
    bool needsPresent(const Surface& picture, int outputWidth, int outputHeight);

    // The window no longer shows the last picture as it was presented: a dialog drew over it,
    // it was uncovered, resized or switched, or the display was opened anew.
    void forget() { known_ = false; }

private:
    bool sameAsShown(const Surface& picture, int outputWidth, int outputHeight) const;
    void remember(const Surface& picture, int outputWidth, int outputHeight);

    std::vector<uint16_t> pixels_;
    int width_ = 0, height_ = 0;
    int outputWidth_ = 0, outputHeight_ = 0;
    bool known_ = false;
};

}  // namespace vorn

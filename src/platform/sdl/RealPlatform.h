// The real platform as the program's start-up holds it: the SDL platform behind a pointer, so
// that code outside src/platform sees none of SDL's types.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace vorn {

class SdlPlatform;

class RealPlatform {
public:
    // Opens the window at once: windowed or full screen as `windowed` says, and when it says
    // nothing, as VORN_WINDOWED=1 asks. Never throws for want of a display (see SdlPlatform).
    explicit RealPlatform(std::optional<bool> windowed);
    ~RealPlatform();
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    // The picture beside the caption and in the task bar (see SdlWindow::setIcon).
    void setIcon(const std::string& bitmapPath);
    Platform& platform();

private:
    std::unique_ptr<SdlPlatform> sdl_;
};

}  // namespace vorn

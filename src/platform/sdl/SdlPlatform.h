// The real platform: SDL2 for the window, the display, the keyboard, the pointer and the
// clock, SDL_mixer for sound, Dear ImGui for the dialogs. The window opens at once, full
// screen on the desktop, or windowed at 800 x 600 when VORN_WINDOWED=1.
#pragma once

#include "platform/Platform.h"
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlCursor.h"
#include "platform/sdl/SdlDialogs.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlKeyboard.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlSound.h"
#include "platform/sdl/SdlWindow.h"

namespace vorn {

class SdlPlatform {
public:
    // Never throws: without a display the window stays closed, and the display and the
    // keyboard report that when the game opens them.
    SdlPlatform();
    explicit SdlPlatform(bool windowed);
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    Platform& platform() { return platform_; }
    static bool windowedByEnvironment();

    SdlWindow window;
    SdlDisplay display;
    SdlKeyboard keyboard;
    SdlSound sound;
    SdlMessageBox messages;
    SdlClock clock;
    SdlCursor cursor;
    SdlDialogs dialogs;

private:
    Platform platform_;
};

}  // namespace vorn

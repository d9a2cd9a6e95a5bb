#include "platform/sdl/SdlKeyboard.h"

#include <SDL.h>

#include <cstring>

#include "core/Error.h"
#include "platform/sdl/KeyCodes.h"
#include "platform/sdl/SdlWindow.h"

namespace vorn {

void SdlKeyboard::open() {
    // SDL learns the keys from the window's events: no window, no keyboard.
    if (!window_.sdl())
        throw VornError(kErrKeyboardOpen, "The keyboard could not be opened (" + window_.openError() + ")");
    window_.gamepads().open();
    open_ = true;
}

void SdlKeyboard::snapshot(uint8_t state[256]) {
    if (!open_) throw VornError(kErrKeyboardRead, "The keyboard could not be read.");
    // Brings SDL's key state up to this moment; the events stay queued for the window.
    SDL_PumpEvents();
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    std::memset(state, 0, 256);
    for (int sc = 0; sc < count; ++sc) {
        if (!keys[sc]) continue;
        const uint8_t code = scanCodeKey(static_cast<SDL_Scancode>(sc));
        if (code != 0) state[code] = 0x80;
    }
    window_.gamepads().addHeldKeys(state);
}

}  // namespace vorn

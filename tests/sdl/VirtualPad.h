// One of SDL's virtual game pads, laid out as SDL's standard controller (button n is SDL's
// button n, axis n its axis n), so SDL maps it as it maps a real pad it knows. SDL's game
// controller support must be running (the SDL keyboard's open() starts it). Setting a button
// or an axis takes effect at SDL's next look at the pads: a snapshot or a message pump.
#pragma once

#include <SDL.h>

namespace vorn::test {

class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void set(SDL_GameControllerButton button, bool down);
    // The left stick, or the right one when xAxis is SDL_CONTROLLER_AXIS_RIGHTX.
    void stick(Sint16 x, Sint16 y, SDL_GameControllerAxis xAxis = SDL_CONTROLLER_AXIS_LEFTX);
    void unplug();

private:
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID instance_ = -1;
};

}  // namespace vorn::test

#include "sdl/VirtualPad.h"

#include <gtest/gtest.h>

namespace vorn::test {

VirtualPad::VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Vorn test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (!joystick_) ADD_FAILURE() << "no virtual pad: " << SDL_GetError();
    instance_ = joystick_ ? SDL_JoystickInstanceID(joystick_) : -1;
}

void VirtualPad::set(SDL_GameControllerButton button, bool down) {
    if (joystick_) SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
}

void VirtualPad::stick(Sint16 x, Sint16 y, SDL_GameControllerAxis xAxis) {
    if (!joystick_) return;
    SDL_JoystickSetVirtualAxis(joystick_, xAxis, x);
    SDL_JoystickSetVirtualAxis(joystick_, xAxis + 1, y);
}

void VirtualPad::unplug() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    // The device number may have changed since the pad was plugged in; its instance has not.
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == instance_) SDL_JoystickDetachVirtual(i);
}

}  // namespace vorn::test

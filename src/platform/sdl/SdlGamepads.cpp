#include "platform/sdl/SdlGamepads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <utility>

#include "platform/Platform.h"
#include "platform/sdl/KeyCodes.h"

namespace vorn {

namespace {

constexpr std::pair<SDL_GameControllerButton, SDL_Scancode> kButtonKeys[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_SCANCODE_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_SCANCODE_RIGHT},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_SCANCODE_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_SCANCODE_DOWN},
    {SDL_CONTROLLER_BUTTON_A, SDL_SCANCODE_SPACE},
    {SDL_CONTROLLER_BUTTON_X, SDL_SCANCODE_LCTRL},
    {SDL_CONTROLLER_BUTTON_B, SDL_SCANCODE_LCTRL},
    {SDL_CONTROLLER_BUTTON_START, SDL_SCANCODE_P},
};

struct HeldKeys {
    std::array<uint8_t, std::size(kButtonKeys)> buttons{};
    uint8_t left = 0, right = 0, up = 0, down = 0;
};

// The snapshot's numbers of the keys above, looked up once.
const HeldKeys& heldKeys() {
    static const HeldKeys keys = [] {
        HeldKeys k;
        for (size_t i = 0; i < std::size(kButtonKeys); ++i) k.buttons[i] = scanCodeKey(kButtonKeys[i].second);
        k.left = scanCodeKey(SDL_SCANCODE_LEFT);
        k.right = scanCodeKey(SDL_SCANCODE_RIGHT);
        k.up = scanCodeKey(SDL_SCANCODE_UP);
        k.down = scanCodeKey(SDL_SCANCODE_DOWN);
        return k;
    }();
    return keys;
}

void hold(uint8_t state[256], uint8_t code) { state[code] = 0x80; }

}  // namespace

SdlGamepads::~SdlGamepads() {
    for (Pad& pad : pads_)
        if (pad.controller) SDL_GameControllerClose(pad.controller);
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepads::open() {
    if (started_) return;
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

bool SdlGamepads::handleDeviceEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            add(event.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            remove(event.cdevice.which);
            return true;
        default:
            return false;
    }
}

void SdlGamepads::add(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    // SDL hands out the same pad again when it is already open; a ninth pad is not played with.
    const int instanceId = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    Pad* slot = find(-1);
    if (find(instanceId) || !slot) {
        SDL_GameControllerClose(controller);
        return;
    }
    *slot = Pad{controller, instanceId};
}

void SdlGamepads::remove(int instanceId) {
    if (Pad* pad = find(instanceId)) {
        SDL_GameControllerClose(pad->controller);
        *pad = Pad{};
    }
}

SdlGamepads::Pad* SdlGamepads::find(int instanceId) {
    for (Pad& pad : pads_)
        if (pad.instanceId == instanceId) return &pad;
    return nullptr;
}

int SdlGamepads::commandKey(const SDL_Event& event) {
    if (event.type != SDL_CONTROLLERBUTTONDOWN && event.type != SDL_CONTROLLERBUTTONUP) return 0;
    Pad* pad = find(event.cbutton.which);
    if (!pad) return 0;
    const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
    bool* pressed = nullptr;
    int key = 0;
    switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_BACK:
            return down ? vk::PadBack : 0;
        case SDL_CONTROLLER_BUTTON_START:
            pressed = &pad->startPressed, key = vk::PadStart;
            break;
        case SDL_CONTROLLER_BUTTON_A:
            pressed = &pad->aPressed, key = vk::PadA;
            break;
        default:
            return 0;
    }
    if (down) {
        *pressed = true;
        return 0;
    }
    // Pulling a pad out lets go of its buttons too; that is no command.
    const bool command = std::exchange(*pressed, false) && SDL_GameControllerGetAttached(pad->controller);
    return command ? key : 0;
}

void SdlGamepads::addHeldKeys(uint8_t state[256]) const {
    const HeldKeys& keys = heldKeys();
    for (const Pad& pad : pads_) {
        if (!pad.controller) continue;
        // A pad pulled out reads as all buttons up and the stick centred, even before its
        // departure is taken: nothing stays held.
        for (size_t i = 0; i < std::size(kButtonKeys); ++i)
            if (SDL_GameControllerGetButton(pad.controller, kButtonKeys[i].first))
                hold(state, keys.buttons[i]);
        const int x = SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTX);
        const int y = SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTY);
        if (x < -kStickDeadZone) hold(state, keys.left);
        if (x > kStickDeadZone) hold(state, keys.right);
        if (y < -kStickDeadZone) hold(state, keys.up);
        if (y > kStickDeadZone) hold(state, keys.down);
    }
}

int SdlGamepads::count() const {
    return static_cast<int>(
        std::ranges::count_if(pads_, [](const Pad& p) { return p.controller != nullptr; }));
}

}  // namespace vorn

#include "platform/sdl/SdlGamepads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <utility>

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
        for (size_t i = 0; i < std::size(kButtonKeys); ++i)
            k.buttons[i] = directInputKey(kButtonKeys[i].second);
        k.left = directInputKey(SDL_SCANCODE_LEFT);
        k.right = directInputKey(SDL_SCANCODE_RIGHT);
        k.up = directInputKey(SDL_SCANCODE_UP);
        k.down = directInputKey(SDL_SCANCODE_DOWN);
        return k;
    }();
    return keys;
}

void hold(uint8_t state[256], uint8_t code) { state[code] = 0x80; }

}  // namespace

SdlGamepads::~SdlGamepads() {
    for (SDL_GameController*& pad : pads_)
        if (pad) SDL_GameControllerClose(std::exchange(pad, nullptr));
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
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return;
    // SDL hands out the same pad again when it is already open; a ninth pad is not played with.
    auto slot = std::ranges::find(pads_, nullptr);
    if (std::ranges::find(pads_, pad) != std::end(pads_) || slot == std::end(pads_)) {
        SDL_GameControllerClose(pad);
        return;
    }
    *slot = pad;
}

void SdlGamepads::remove(int instanceId) {
    for (SDL_GameController*& pad : pads_)
        if (pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == instanceId)
            SDL_GameControllerClose(std::exchange(pad, nullptr));
}

int SdlGamepads::commandKey(const SDL_Event& event) const {
    if (event.type != SDL_CONTROLLERBUTTONDOWN && event.type != SDL_CONTROLLERBUTTONUP) return 0;
    if (event.type == SDL_CONTROLLERBUTTONDOWN)
        return event.cbutton.button == SDL_CONTROLLER_BUTTON_BACK ? kKeyBack : 0;
    if (event.cbutton.button != SDL_CONTROLLER_BUTTON_START &&
        event.cbutton.button != SDL_CONTROLLER_BUTTON_A)
        return 0;
    // Pulling a pad out lets go of its buttons too; that is no command.
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(event.cbutton.which);
    if (!pad || !SDL_GameControllerGetAttached(pad)) return 0;
    return event.cbutton.button == SDL_CONTROLLER_BUTTON_START ? kKeyStart : kKeyA;
}

void SdlGamepads::addHeldKeys(uint8_t state[256]) const {
    const HeldKeys& keys = heldKeys();
    for (SDL_GameController* pad : pads_) {
        if (!pad) continue;
        // A pad pulled out reads as all buttons up and the stick centred, even before its
        // departure is taken: nothing stays held.
        for (size_t i = 0; i < std::size(kButtonKeys); ++i)
            if (SDL_GameControllerGetButton(pad, kButtonKeys[i].first)) hold(state, keys.buttons[i]);
        const int x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
        const int y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
        if (x < -kStickDeadZone) hold(state, keys.left);
        if (x > kStickDeadZone) hold(state, keys.right);
        if (y < -kStickDeadZone) hold(state, keys.up);
        if (y > kStickDeadZone) hold(state, keys.down);
    }
}

int SdlGamepads::count() const {
    return static_cast<int>(
        std::ranges::count_if(pads_, [](const SDL_GameController* p) { return p != nullptr; }));
}

}  // namespace vorn

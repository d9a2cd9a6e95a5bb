// The game pads over SDL's game controller API. SDL's mapping database makes every pad it
// knows look alike (A, B, X, Y, D-pad, left stick, Start, Back); a pad is opened when it is
// plugged in and let go when it is pulled out, at any time.
//
// A pad stands in for keys. While play reads the keyboard snapshot, the pad holds the keys its
// buttons stand for: D-pad or left stick beyond its dead zone = the arrow keys, A = Space,
// X or B = left Ctrl, Start = P. For the main window it presses command keys of its own,
// which the window's key handler turns into F1 or Escape where they apply: Back when pressed,
// Start and A when let go, so that a game started with them begins with the button already up.
// Start and A count only when the message pump also saw them pressed: a press that a dialog
// took does not come back as a command when it is let go after the dialog closed.
#pragma once

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <cstdint>

namespace vorn {

class SdlGamepads {
public:
    static constexpr int kMaxPads = 8;
    // Half the stick's travel: a stick that drifts, or a thumb resting on it while running
    // sideways, presses no key.
    static constexpr int kStickDeadZone = 16384;

    SdlGamepads() = default;
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Starts SDL's game controller support; SDL then announces the pads already plugged in as
    // if they had just arrived. Without it the game simply has no pads.
    void open();
    // Takes a pad's arrival or departure; true when the event was one of those.
    bool handleDeviceEvent(const SDL_Event& event);
    // The command key a button event that reached the message pump stands for, or 0.
    int commandKey(const SDL_Event& event);
    // Sets the keys the pads hold in a snapshot; the keys already set stay set.
    void addHeldKeys(uint8_t state[256]) const;
    int count() const;

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        int instanceId = -1;
        bool startPressed = false, aPressed = false;  // seen going down by the message pump
    };
    void add(int deviceIndex);
    void remove(int instanceId);
    Pad* find(int instanceId);

    Pad pads_[kMaxPads];
    bool started_ = false;
};

}  // namespace vorn

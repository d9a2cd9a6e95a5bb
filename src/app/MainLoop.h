// The paced main loop: every pass lets the window handle its messages, draws one frame,
// steps the world once and sleeps for the rest of a 30-millisecond slot. The passes are
// the game's only clock: every speed and timer of the world counts them.
#pragma once

#include <cstdint>

#include "app/Globals.h"
#include "platform/Platform.h"

namespace vorn {

inline constexpr int32_t kFrameSlotMs = 30;

// How long to sleep after a pass that ran from frameStart to frameEnd; a slow pass is not
// made up for later. The difference is taken modulo 2^32, so the clock's wrap does no harm.
uint32_t frameSleep(int32_t frameStart, int32_t frameEnd);

class MainLoop {
public:
    MainLoop(Platform& platform, Globals& globals);
    // True when the loop ended the orderly way (Escape on the title screen, the window closed);
    // false when drawing or stepping failed and the program must end at once.
    [[nodiscard]] bool run();

private:
    Platform& platform_;
    Globals& globals_;
};

}  // namespace vorn

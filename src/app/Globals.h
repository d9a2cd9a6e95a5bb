// The program-wide variables that the start-up procedure, the main loop and the main
// window's key handler share.
#pragma once

#include <cstdint>

namespace vorn {

class Game;
class ReplayKeeper;
class ReplayViewer;

struct Globals {
    Game* gGame = nullptr;                  // the one game object, owned by Main
    bool gDevMode = false;                  // the command line was the developer word
    bool gExitRequested = false;            // the main loop ends at the top of its next pass
    int32_t gFrameStart = 0;                // clock at the start of the current pass, in milliseconds
    int32_t gFrameEnd = 0;                  // clock at the end of the current pass
    ReplayKeeper* gReplayKeeper = nullptr;  // records every game; none in some tests
    ReplayViewer* gReplayViewer = nullptr;  // plays a kept game back; likewise
};

}  // namespace vorn

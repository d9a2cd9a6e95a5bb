#include "app/MainLoop.h"

#include "app/ReplayKeeper.h"
#include "app/ReplayViewer.h"
#include "game/state/Game.h"

namespace vorn {

uint32_t frameSleep(int32_t frameStart, int32_t frameEnd) {
    const auto elapsed =
        static_cast<int32_t>(static_cast<uint32_t>(frameEnd) - static_cast<uint32_t>(frameStart));
    if (elapsed >= kFrameSlotMs) return 0;
    return static_cast<uint32_t>(kFrameSlotMs - elapsed);
}

MainLoop::MainLoop(Platform& platform, Globals& globals) : platform_(platform), globals_(globals) {}

bool MainLoop::run() {
    Game& game = *globals_.gGame;
    globals_.gExitRequested = false;
    // The flag is looked at only here, so the pass in which Escape came still draws and steps.
    while (!globals_.gExitRequested) {
        globals_.gFrameStart = static_cast<int32_t>(platform_.clock.milliseconds());

        platform_.window.pumpMessages();
        // Closing the window ends the run as Escape on the title screen does, so the files are saved.
        if (platform_.window.closeRequested()) globals_.gExitRequested = true;

        if (!game.DrawFrame()) return false;
        // A replay played fast steps several frames for one picture.
        ReplayViewer* viewer = globals_.gReplayViewer;
        const int frames = viewer ? viewer->framesThisPass() : 1;
        for (int i = 0; i < frames; ++i) {
            if (viewer) viewer->beforeFrame();
            if (!game.DoFrame()) return false;
            if (globals_.gReplayKeeper) globals_.gReplayKeeper->afterFrame();
            if (viewer) viewer->afterFrame();
        }

        globals_.gFrameEnd = static_cast<int32_t>(platform_.clock.milliseconds());
        if (const uint32_t rest = frameSleep(globals_.gFrameStart, globals_.gFrameEnd); rest > 0)
            platform_.clock.sleep(rest);
    }
    return true;
}

}  // namespace vorn

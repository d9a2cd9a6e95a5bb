// Once per pass of the main loop: the play screen while a game runs, the title screen between
// games.
#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::DrawFrame() {
    return trapErrors(platform.messages, "Game - DrawFrame - ", [&] {
        if (!Initialized) raiseNotInitialized();
        switch (GameState) {
            case kPlaying:
                return DrawGameFrame();
            case kTitle:
                DrawTitleScreen();
                return true;
            default:
                return true;
        }
    });
}

}  // namespace vorn

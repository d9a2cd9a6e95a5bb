// Moving the Game between the title screen (GameState 2) and play (GameState 1).
#include "core/Error.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::StartGame() {
    return trapErrors(platform.messages, "Game - StartGame - ", [&] {
        if (!Initialized) raiseNotInitialized();
        // A new game from level 1 even when one is running.
        Level = 0;
        Health = 7;
        Score = 0;
        framesPlayed = 0;
        if (!StartNextLevel()) return false;
        GameState = kPlaying;
        return true;
    });
}

bool Game::StopGame() {
    return trapErrors(platform.messages, "Game - StopGame - ", [&] {
        if (!Initialized) raiseNotInitialized();
        // The screen goes black at once; score, health and level stay for the high-score check.
        SurfaceRef back = graphics().BackBuffer();
        if (!graphics().ClearSurface(*back, true)) return false;
        GameState = kTitle;
        return true;
    });
}

void Game::GotoLevel(int16_t nLevel) {
    if (nLevel > LevelCount) nLevel = LevelCount;
    if (nLevel < 1) nLevel = 1;
    // StartNextLevel advances to the chosen level and shows its own failures.
    Level = static_cast<int16_t>(nLevel - 1);
    (void)StartNextLevel();
}

}  // namespace vorn

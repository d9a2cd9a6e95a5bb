// The end of a level: cleared by the last crystal or by reaching Dovi, then a 100-frame
// count-down to the next level or to the end of the game.
#include "core/Numbers.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::checkLevelCleared() {
    const bool cleared = LevelHasDovi ? DoviRescued : CrystalsTaken == CrystalCount;
    if (!cleared) return true;
    EndDelay = kEndFrames;
    startTeleportEffect(CharX, CharY);
    return playSound(SndTeleport);
}

// True in the frame where the count-down ran out and the next level or the end followed.
bool Game::countDownEnd() {
    if (EndDelay <= 0) return false;
    EndDelay = wrap16(EndDelay - 1);
    if (EndDelay != 0) return false;
    // A level with Dovi ends the game whichever way it ended; so does running out of health.
    if (Health > 0 && !LevelHasDovi)
        StartNextLevel();
    else
        EndGame();
    return true;
}

void Game::EndGame() {
    CheckHighScore();
    doEvents();
    VBGE& engine = graphics();
    if (!engine.ClearSurface(picture(engine.BackBuffer()), true)) return;
    const bool rescued = LevelHasDovi && DoviRescued;
    if (!ShowBitmap(picture(rescued ? SurfCongrat : SurfGameOver), true)) return;
    if (!playSound(SndGameOver)) return;
    if (!DevMode) platform.clock.sleep(3000);
    StopGame();
}

}  // namespace vorn

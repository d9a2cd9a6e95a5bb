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

// When the count-down runs out, the next level starts or the game ends.
void Game::countDownEnd() {
    if (EndDelay <= 0) return;
    EndDelay = wrap16(EndDelay - 1);
    if (EndDelay != 0) return;
    // A level with Dovi ends the game whichever way it ended; so does running out of health. A
    // level start that fails has shown its message; the frame step goes on.
    if (Health > 0 && !LevelHasDovi)
        (void)StartNextLevel();
    else
        EndGame();
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
    (void)StopGame();  // a failure has shown its message; the game has ended all the same
}

}  // namespace vorn

// One frame of play. The order of the steps matters: later steps see what earlier ones
// changed in the same frame. While EndDelay runs the character is frozen, but bombs, shots,
// effects, animations and power-up timers go on.
#include "core/Error.h"
#include "core/Numbers.h"
#include "engines/VBIE.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::DoFrame() {
    return trapErrors(platform.messages, "Game - DoFrame - ", [&] {
        if (!Initialized) raiseNotInitialized();
        if (GameState != kPlaying) return true;
        if (!InputEngine->GetKeyboardState(KeyState)) return false;
        // A player who left the window cannot steer, so the game waits for them as if P was pressed.
        if ((keyDown(key::P) || !platform.window.hasFocus()) && !PauseGame()) return true;
        if (playerInput) playerInput->keysFor(framesPlayed, KeyState);
        ++framesPlayed;

        if (keyDown(key::Left)) CharFacing = 0;
        if (keyDown(key::Right)) CharFacing = 1;
        horizontalControl();
        if (EndDelay == 0 && !moveCharacter()) return false;

        moveBombs();
        if (EndDelay == 0) CheckBombHitsChar();
        moveShots();
        if (EndDelay == 0 && !fire()) return false;
        updateParticles();

        if (EndDelay == 0) updatePose();
        animateItems();
        animateBombs();
        animateShots();
        countDownPowerUps();

        if (EndDelay == 0) {
            CollectItems();
            if (!checkLevelCleared()) return false;
        }
        countDownEnd();
        return true;
    });
}

void Game::countDownPowerUps() {
    if (SpeedTime > 0) SpeedTime = wrap16(SpeedTime - 1);
    if (InvulnerableTime > 0) InvulnerableTime = wrap16(InvulnerableTime - 1);
    if (BallBlasterTime > 0) BallBlasterTime = wrap16(BallBlasterTime - 1);
}

}  // namespace vorn

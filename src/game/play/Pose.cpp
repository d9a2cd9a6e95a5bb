// Which of the character's poses is shown: the walking cycle, the mid-air pose, and the
// two idle animations that play now and then while the character stands still.
#include <cmath>

#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr int16_t kAirPose = 8, kStandPose = 2, kBlinkPose = 10;
constexpr int16_t kLastWalkPose = 7;
constexpr float kIdleFirstPose = 11.0f, kIdleEnd = kCharPoses, kIdleStep = 0.5f;

}  // namespace

void Game::updatePose() {
    if (CharInAir != 0) {
        CharPose = kAirPose;
        return;
    }
    if (keyDown(key::Left) || keyDown(key::Right)) {
        if (CharPose < 0 || CharPose > kLastWalkPose) CharPose = 0;
        CharPose = wrap16(CharPose + 1);
        if (CharPose > kLastWalkPose) CharPose = 0;
        return;
    }

    // Standing: a 2 % chance each frame of a short blink and a 1 % chance of the long idle
    // animation, both drawn every frame that neither is playing.
    if (BlinkTime == 0 && IdleAnim == 0.0f) {
        if (Rng.draw() * 100.0f < 2.0f) BlinkTime = 5;
        if (Rng.draw() * 100.0f < 1.0f) IdleAnim = kIdleFirstPose;
    }
    CharPose = kStandPose;
    if (BlinkTime > 0) {
        BlinkTime = wrap16(BlinkTime - 1);
        CharPose = kBlinkPose;
    }
    // The long animation shows each of poses 11 to 16 for two frames and wins over the blink.
    if (IdleAnim > 0.0f) {
        CharPose = static_cast<int16_t>(std::floor(IdleAnim));
        IdleAnim = IdleAnim + kIdleStep;
        if (IdleAnim >= kIdleEnd) IdleAnim = 0.0f;
    }
}

}  // namespace vorn

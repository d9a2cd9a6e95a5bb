// Shots: with the ball blaster the character throws balls straight ahead. A ball flies until it
// leaves the screen, strikes a platform or strikes a bomb; the fifth ball a bomb takes destroys it.
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr float kShotSpeed = 15.0f;
constexpr int16_t kHitsToDestroy = 5;
constexpr int16_t kFlashFrames = 5;
constexpr int32_t kDestroyScore = 40;

}  // namespace

bool Game::fire() {
    const bool trigger =
        keyDown(key::LCtrl) || keyDown(key::LShift) || keyDown(key::RShift) || keyDown(key::RCtrl);
    if (trigger && BallBlasterTime > 0 && ShotDelay == 0) {
        for (auto& shot : Shots) {
            if (shot.Active) continue;
            shot.Frame = 1.0f;
            shot.Y = toInteger(CharY + 8.0f);
            shot.Direction = CharFacing;
            if (CharFacing == 1) {
                shot.VelX = kShotSpeed;
                shot.X = toInteger(CharX + kCharWidth);
            } else {
                shot.VelX = -kShotSpeed;
                shot.X = toInteger(CharX - kShotSize);
            }
            shot.Active = true;
            ShotDelay = kFireInterval;
            if (!playSound(SndShoot)) return false;
            break;
        }
    }
    if (ShotDelay > 0) ShotDelay = wrap16(ShotDelay - 1);
    return true;
}

void Game::moveShots() {
    for (int j = 0; j < kMaxShots; ++j) {
        if (!Shots[j].Active) continue;
        Shots[j].X = toInteger(static_cast<float>(Shots[j].X) + Shots[j].VelX);
        // All three tests run even when an earlier one has already ended the ball: a ball that
        // leaves the screen while touching a bomb still counts as a hit.
        CheckShotOffScreen(j);
        CheckShotHitsBomb(j);
        CheckShotHitsPlatform(j);
    }
}

void Game::CheckShotOffScreen(int j) {
    const Rect r = GetShotRect(j);
    if (r.Left < 0 || r.Right > kScreenWidth) {
        Shots[j].Active = false;
        (void)playSound(SndHit);  // a failed sound has shown its message; the ball is gone anyway
    }
}

void Game::CheckShotHitsBomb(int j) {
    const Rect r = GetShotRect(j);
    int i = 0;
    while (i < BombCount && (Bombs[i].Dead || !intersects(GetBombRect(i), r))) ++i;
    if (i >= BombCount) return;

    BombRec& bomb = Bombs[i];
    bomb.Hits = wrap16(bomb.Hits + 1);
    if (bomb.Hits == kHitsToDestroy) {
        if (!playSound(SndExplosion)) return;
        startExplosionEffect(bomb.X, bomb.Y);
        bomb.Dead = true;
        Score = saturatingAdd16(Score, kDestroyScore);
    }
    bomb.Hot = true;
    bomb.FlashTime = kFlashFrames;
    Shots[j].Active = false;
    (void)playSound(SndHitBomb);  // a failed sound has shown its message; the hit counts anyway
}

void Game::CheckShotHitsPlatform(int j) {
    const Rect r = GetShotRect(j);
    for (int p = 0; p < PlatformCount; ++p) {
        const PlatformRec& ledge = Platforms[p];
        if (intersects(r, Rect{ledge.Left, ledge.Top, ledge.Right, ledge.Bottom})) {
            Shots[j].Active = false;
            (void)playSound(SndHit);  // a failed sound has shown its message; the ball is gone anyway
            return;
        }
    }
}

void Game::animateShots() {
    for (auto& shot : Shots) {
        if (!shot.Active) continue;
        shot.Frame = shot.Frame + 1.0f;
        if (shot.Frame >= kAnimationFrames) shot.Frame = 0.0f;
    }
}

}  // namespace vorn

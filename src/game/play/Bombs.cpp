// Bombs: they roll along the platforms, bounce off walls and the screen's sides, fall and
// rebound, roll out through the bottom corners and come back from above. Shot bombs turn hot,
// and two hot bombs that meet blow each other up.
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr float kSlowRollSpeed = 2.5f;  // on thin platforms
constexpr float kGravity = 0.8f;
constexpr float kMaxFallSpeed = 20.0f;
// Below this line a bomb reaching a side is on the bottom floor and rolls out of the screen.
constexpr float kExitLine = 480.0f;
// A bomb this far down has fallen through a hole in the floor and will never come back by itself.
constexpr float kLostBelow = kScreenHeight;
constexpr int32_t kPairScore = 80;

}  // namespace

void Game::moveBombs() {
    for (int i = 0; i < BombCount; ++i) {
        BombRec& bomb = Bombs[i];
        if (bomb.Dead) continue;
        // Bombs wait their turn at the start of a level, so they enter one after another.
        if (bomb.Delay > 0) {
            bomb.Delay = wrap16(bomb.Delay - 1);
            continue;
        }

        const int16_t surface = GetSurfaceKind(GetBombRect(i));

        const float speed = surface == kPlatformThin ? kSlowRollSpeed : kBombRollSpeed;
        bomb.VelX = bomb.VelX > 0.0f ? speed : -speed;
        bomb.X = bomb.X + bomb.VelX;

        // A wall: on a thin platform the bomb climbs onto it, anywhere else it turns round.
        int16_t p = FindBombPlatform(i);
        if (p != kNoPlatform) {
            if (surface == kPlatformThin) {
                bomb.Y = static_cast<float>(Platforms[p].Top) - kBombSize;
            } else {
                bomb.VelX = -bomb.VelX;
                bomb.Direction = bomb.VelX > 0.0f ? 1 : 0;
            }
            bomb.X = bomb.X + bomb.VelX;
        }

        KeepBombOnScreen(i);

        bomb.Y = bomb.Y + bomb.VelY;
        p = FindBombPlatform(i);
        if (p != kNoPlatform) {
            const PlatformRec& ledge = Platforms[p];
            if (bomb.VelY > 0.0f) {
                // The platform it lands on decides the rebound: springy ones throw it back whole.
                const float bounce = ledge.Kind == kPlatformBouncy ? 100.0f
                                     : ledge.Kind == kPlatformThin ? 20.0f
                                                                   : 50.0f;
                bomb.VelY = -bomb.VelY * bounce / 100.0f;
                if (bomb.Hot) bomb.VelY = bomb.VelY * 1.5f;
                bomb.Y = static_cast<float>(ledge.Top) - kBombSize;
            } else {
                bomb.VelY = -bomb.VelY;
                bomb.Y = static_cast<float>(ledge.Bottom);
            }
        }

        bomb.VelY = bomb.VelY + kGravity;
        if (bomb.VelY > kMaxFallSpeed) bomb.VelY = kMaxFallSpeed;

        if (bomb.Y >= kLostBelow) InitBomb(static_cast<int16_t>(i));

        CollideBombs(i);
    }
}

int16_t Game::FindBombPlatform(int i) {
    const Rect r = GetBombRect(i);
    for (int16_t p = 0; p < PlatformCount; ++p) {
        const PlatformRec& ledge = Platforms[p];
        if (intersects(r, Rect{ledge.Left, ledge.Top, ledge.Right, ledge.Bottom})) {
            // A failed sound has shown its message; the bomb lands all the same.
            if (Bombs[i].VelY > 3.0f) (void)playSound(SndBombHit);
            return p;
        }
    }
    return kNoPlatform;
}

void Game::KeepBombOnScreen(int i) {
    BombRec& bomb = Bombs[i];
    const Rect r = GetBombRect(i);

    if (r.Left < 0) {
        if (!bomb.Leaving) {
            if (bomb.Y > kExitLine) {
                bomb.Leaving = true;
            } else {
                bomb.X = 0.0f;
                bomb.VelX = -bomb.VelX;
                bomb.Direction = 1;
                if (!playSound(SndBombHit)) return;
            }
        } else if (bomb.X < -kBombSize) {
            InitBomb(static_cast<int16_t>(i));
        }
    }

    if (r.Right > kScreenWidth) {
        if (!bomb.Leaving) {
            if (bomb.Y > kExitLine) {
                bomb.Leaving = true;
                return;
            }
            bomb.X = static_cast<float>(kScreenWidth - kBombSize);
            bomb.VelX = -bomb.VelX;
            bomb.Direction = 0;
        } else if (bomb.X > static_cast<float>(kScreenWidth)) {
            InitBomb(static_cast<int16_t>(i));
        }
    }
}

void Game::CollideBombs(int i) {
    BombRec& bomb = Bombs[i];
    if (bomb.Dead) return;
    for (int k = 0; k < BombCount; ++k) {
        if (k == i) continue;
        BombRec& other = Bombs[k];
        if (other.Dead) continue;
        if (!(other.Hot && bomb.Hot)) continue;
        if (!intersects(GetBombRect(k), GetBombRect(i))) continue;

        if (!playSound(SndExplosion)) return;
        startExplosionEffect(bomb.X, bomb.Y);
        startExplosionEffect(other.X, other.Y);
        bomb.Dead = true;
        other.Dead = true;
        Score = saturatingAdd16(Score, kPairScore);
        return;
    }
}

void Game::CheckBombHitsChar() {
    const Rect r = GetCharRect();
    if (InvulnerableTime != 0) return;
    for (int i = 0; i < BombCount; ++i) {
        BombRec& bomb = Bombs[i];
        if (bomb.Dead) continue;
        if (!intersects(GetBombRect(i), r)) continue;

        if (!playSound(SndExplosion)) return;
        startExplosionEffect(bomb.X, bomb.Y);
        bomb.Dead = true;
        Health = wrap16(Health - 1);
        if (Health == 0) EndDelay = kEndFrames;
        return;
    }
}

void Game::animateBombs() {
    for (int i = 0; i < BombCount; ++i) {
        BombRec& bomb = Bombs[i];
        if (bomb.FlashTime > 0) bomb.FlashTime = wrap16(bomb.FlashTime - 1);
        bomb.Frame = bomb.Frame + 1.0f;
        if (bomb.Frame >= kAnimationFrames) bomb.Frame = 0.0f;
    }
}

}  // namespace vorn

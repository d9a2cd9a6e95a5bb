// The player's character: running with the grip of the surface underfoot, walls and screen
// sides, walking off edges, jumping, dropping through platforms, and falling onto one-way
// platforms from above.
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr float kGravity = 1.1f;
constexpr float kJumpSpeed = -14.0f;
constexpr float kHighJumpSpeed = -1960.0f / 100.0f;
constexpr float kBounceSpeed = -17.5f;
constexpr float kFirstFallSpeed = 0.1f;
constexpr float kBottomFloorFeet = 575.0f;  // feet at this height or lower stand on the bottom row

// A character this far down has fallen through the floor.
constexpr float kFellOffY = kScreenHeight;

// Platforms are one-way: the character lands only on a platform it was not already inside
// before this frame's move, while falling, with its top edge still above the platform's top.
[[nodiscard]] bool airborneStep(Game& g) {
    g.CharY = g.CharY + g.CharVelY;
    const int16_t p1 = g.FindCharPlatform();
    if (p1 != kNoPlatform) {
        g.CharY = g.CharY - g.CharVelY;
        const int16_t p0 = g.FindCharPlatform();
        g.CharY = g.CharY + g.CharVelY;
        const PlatformRec& landing = g.Platforms[p1];
        if (g.CharVelY > 0.0f && p0 != p1 && g.CharY < static_cast<float>(landing.Top)) {
            g.CharY = static_cast<float>(landing.Top - kCharHeight);
            if (landing.Kind == kPlatformBouncy) {
                g.CharVelY = kBounceSpeed;
                if (!g.playSound(g.SndBoing)) return false;
            } else {
                g.CharInAir = 0;
                g.CharVelY = 0.0f;
            }
        }
    }
    g.CharVelY = g.CharVelY + kGravity;
    return true;
}

// A fall fast enough to pass a platform between two frames, or a level without a floor, would
// otherwise lose the character below the screen for good: it costs a health point instead
// and the character starts again where the level put it.
void catchFallThroughFloor(Game& g) {
    if (g.CharY < kFellOffY) return;
    g.Health = saturatingAdd16(g.Health, -1);
    if (g.Health == 0) g.EndDelay = kEndFrames;
    g.CharX = kCharStartX;
    g.CharY = kCharStartY;
    g.CharInAir = 0;
    g.CharVelX = 0.0f;
    g.CharVelY = 0.0f;
}

}  // namespace

void Game::horizontalControl() {
    const bool left = keyDown(key::Left), right = keyDown(key::Right);
    float top, accel;
    if (CharInAir == 0) {
        surfaceUnderChar = GetSurfaceKind(GetCharRect());
        // Ice keeps most of the speed when the keys are let go, and answers the keys slowly.
        if (!left && !right) {
            const float friction = surfaceUnderChar == kPlatformIcy ? 4.0f : 50.0f;
            CharVelX = CharVelX * (100.0f - friction) / 100.0f;
        }
        top = surfaceUnderChar == kPlatformThin ? 2.0f : 5.5f;
        if (SpeedTime > 0) top = top * 150.0f / 100.0f;
        accel = surfaceUnderChar == kPlatformIcy ? top * 4.0f / 100.0f : top * 50.0f / 100.0f;
    } else {
        surfaceUnderChar = kNoPlatform;
        if (!left && !right) CharVelX = CharVelX * 96.0f / 100.0f;
        top = SpeedTime > 0 ? 825.0f / 100.0f : 5.5f;
        accel = top * 4.0f / 100.0f;
    }

    // Both keys together: the push to the left is clamped before the push to the right.
    if (left) {
        CharVelX = CharVelX - accel;
        if (CharVelX < -top) CharVelX = -top;
    }
    if (right) {
        CharVelX = CharVelX + accel;
        if (CharVelX > top) CharVelX = top;
    }
}

void Game::KeepCharOnScreen() {
    const Rect r = GetCharRect();
    if (r.Left < 0) {
        CharVelX = -CharVelX;
        CharX = 0.0f;
    }
    if (r.Right > kScreenWidth) {
        CharVelX = -CharVelX;
        CharX = static_cast<float>(kScreenWidth - kCharWidth);
    }
}

bool Game::moveCharacter() {
    int16_t surface = surfaceUnderChar;
    CharX = CharX + CharVelX;

    // Running into a platform: a thin one is climbed, anything else throws the character back.
    if (CharInAir == 0) {
        const int16_t p = FindCharPlatform();
        if (p != kNoPlatform) {
            if (surface == kPlatformThin) {
                CharY = static_cast<float>(Platforms[p].Top - kCharHeight);
            } else {
                CharVelX = -CharVelX;
                CharX = CharX + CharVelX;
            }
        }
    }
    KeepCharOnScreen();

    if (CharInAir == 0) {
        surface = GetSurfaceKind(GetCharRect());
    } else {
        surface = kNoPlatform;
    }
    if (CharInAir == 0 && surface == kNoPlatform) {
        CharInAir = 1;
        CharVelY = kFirstFallSpeed;
    }

    // Thin platforms give no footing to jump from.
    if ((keyDown(key::Up) || keyDown(key::Space)) && CharInAir != 1 && surface != kPlatformThin) {
        if (HyperJumps > 0) {
            CharVelY = kHighJumpSpeed;
            HyperJumps = wrap16(HyperJumps - 1);
        } else {
            CharVelY = kJumpSpeed;
        }
        CharInAir = 1;
        if (!playSound(SndJump)) return false;
    }

    if (keyDown(key::Down) && CharInAir != 1 && CharY + kCharHeight < kBottomFloorFeet) {
        CharInAir = 1;
        CharVelY = kFirstFallSpeed;
        CharY = CharY + 2.0f;
        if (!playSound(SndJump)) return false;
    }

    if (CharInAir == 1 && !airborneStep(*this)) return false;
    catchFallThroughFloor(*this);
    return true;
}

}  // namespace vorn

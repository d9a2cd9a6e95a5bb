// The hit rectangles of the character, the bombs and the shots, and the two platform
// queries that the character and the bombs share. Every touch test goes through intersects().
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

// The character's box is 40 wide, but its hit rectangle is 5 pixels narrower on each side,
// so it can stand with its shoulders over the end of a platform.
Rect Game::GetCharRect() const {
    return Rect{toLong(CharX + 5.0f), toLong(CharY), toLong(CharX + 40.0f - 5.0f), toLong(CharY + 36.0f)};
}

Rect Game::GetBombRect(int i) const {
    const BombRec& b = Bombs[i];
    return Rect{toLong(b.X + 1.0f), toLong(b.Y + 1.0f), toLong(b.X + 40.0f - 1.0f),
                toLong(b.Y + 40.0f - 1.0f)};
}

Rect Game::GetShotRect(int j) const {
    const ShotRec& s = Shots[j];
    return Rect{s.X + 1, s.Y + 1, s.X + 19, s.Y + 19};
}

static Rect platformRect(const PlatformRec& p) { return Rect{p.Left, p.Top, p.Right, p.Bottom}; }

int16_t Game::FindCharPlatform() const {
    const Rect r = GetCharRect();
    for (int16_t p = 0; p < PlatformCount; ++p)
        if (intersects(r, platformRect(Platforms[p]))) return p;
    return kNoPlatform;
}

// Looks just below the rectangle: what it would stand on. The caller's rectangle stays moved.
int16_t Game::GetSurfaceKind(Rect& rect) const {
    rect.Top += 3;
    rect.Bottom += 3;
    for (int p = 0; p < PlatformCount; ++p)
        if (intersects(rect, platformRect(Platforms[p]))) return Platforms[p].Kind;
    return kNoPlatform;
}

}  // namespace vorn

// The hit rectangles of the character, the bombs and the shots, and the two platform
// queries that the character and the bombs share. Every touch test goes through intersects().
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

// The character's hit rectangle is 5 pixels narrower than its picture on each side, so it can
// stand with its shoulders over the end of a platform.
constexpr float kCharInset = 5.0f;
// Bombs and shots are hit 1 pixel inside their pictures all round.
constexpr float kBombInset = 1.0f;
constexpr int kShotInset = 1;

}  // namespace

Rect Game::GetCharRect() const {
    return Rect{toLong(CharX + kCharInset), toLong(CharY), toLong(CharX + kCharWidth - kCharInset),
                toLong(CharY + kCharHeight)};
}

Rect Game::GetBombRect(int i) const {
    const BombRec& b = Bombs[i];
    return Rect{toLong(b.X + kBombInset), toLong(b.Y + kBombInset), toLong(b.X + kBombSize - kBombInset),
                toLong(b.Y + kBombSize - kBombInset)};
}

Rect Game::GetShotRect(int j) const {
    const ShotRec& s = Shots[j];
    return Rect{s.X + kShotInset, s.Y + kShotInset, s.X + kShotSize - kShotInset,
                s.Y + kShotSize - kShotInset};
}

static Rect platformRect(const PlatformRec& p) { return Rect{p.Left, p.Top, p.Right, p.Bottom}; }

int16_t Game::FindCharPlatform() const {
    const Rect r = GetCharRect();
    for (int16_t p = 0; p < PlatformCount; ++p)
        if (intersects(r, platformRect(Platforms[p]))) return p;
    return kNoPlatform;
}

// Looks 3 pixels below the rectangle: the kind of platform it would stand on.
int16_t Game::GetSurfaceKind(Rect rect) const {
    rect.Top += 3;
    rect.Bottom += 3;
    for (int p = 0; p < PlatformCount; ++p)
        if (intersects(rect, platformRect(Platforms[p]))) return Platforms[p].Kind;
    return kNoPlatform;
}

}  // namespace vorn

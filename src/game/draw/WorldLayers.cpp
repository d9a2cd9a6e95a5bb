// The world's layers of the play screen: background, bombs, shots, the character to rescue,
// platforms, items, flying pieces and the bomb gates.
#include "core/Error.h"
#include "core/Numbers.h"
#include "game/draw/Layers.h"

namespace vorn::layers {

namespace {

int levelIndex(const Game& g) {
    if (g.Level < 1 || g.Level > kMaxLevels) raiseSubscriptOutOfRange();
    return g.Level - 1;
}

const SurfaceRef* itemPicture(const Game& g, int16_t kind) {
    switch (kind) {
        case kItemHighJump:
            return &g.SurfHighJump;
        case kItemExtraSpeed:
            return &g.SurfExtraSpeed;
        case kItemInvulnerability:
            return &g.SurfInvulnerable;
        case kItemCrystal:
            return &g.SurfCrystal;
        case kItemBallBlaster:
            return &g.SurfShoot;
        case kItemExtraHealth:
            return &g.SurfExtraHealth;
        default:
            return nullptr;
    }
}

}  // namespace

void background(const Game& g, VBGE& ge, Surface& back) {
    // The level's 200 x 200 tile, twelve times over the screen.
    const int16_t left = wrap16(200 * (g.Scenery - 1));
    const Rect source{left, 0, wrap16(left + 200), 200};
    const Surface& tile = g.picture(g.SurfBackground);
    for (int c = 0; c <= 3; ++c)
        for (int r = 0; r <= 2; ++r)
            blit(ge, back, Rect{200 * c, 200 * r, 200 * c + 200, 200 * r + 200}, tile, source, kBltWait);
}

void bombs(const Game& g, VBGE& ge, Surface& back) {
    for (int i = 0; i < g.BombCount && i < kMaxBombs; ++i) {
        const BombRec& bomb = g.Bombs[i];
        if (bomb.Dead) continue;
        // Rolling left reads the same strip from its right end.
        int32_t left = intFloor(bomb.Frame) * kBombSize;
        if (bomb.Direction == 0) left = (kAnimationFrames - 1) * kBombSize - left;
        const SurfaceRef& sheet = !bomb.Hot             ? g.SurfNormalBomb
                                  : bomb.FlashTime != 0 ? g.SurfHitBomb
                                                        : g.SurfHotBomb;
        const int32_t x = intFloor(bomb.X), y = intFloor(bomb.Y);
        blit(ge, back, Rect{x, y, x + kBombSize, y + kBombSize}, g.picture(sheet),
             Rect{left, 0, left + kBombSize, kBombSize}, kBltWaitKeySrc);
    }
}

void shots(const Game& g, VBGE& ge, Surface& back) {
    for (const ShotRec& shot : g.Shots) {
        if (!shot.Active) continue;
        int32_t left = intFloor(shot.Frame) * kShotSize;
        if (shot.Direction == 0) left = (kAnimationFrames - 1) * kShotSize - left;
        blit(ge, back, Rect{shot.X, shot.Y, shot.X + kShotSize, shot.Y + kShotSize},
             g.picture(g.SurfAmmoBall), Rect{left, 0, left + kShotSize, kShotSize}, kBltWaitKeySrc);
    }
}

void characterToRescue(const Game& g, VBGE& ge, Surface& back) {
    for (int k = 0; k < g.ItemCount && k < kMaxItems; ++k) {
        const ItemRec& item = g.Items[k];
        if (item.Kind != kItemDovi) continue;
        const int32_t left = intFloor(item.Frame) * kItemWidth;
        blit(ge, back, Rect{item.Left, item.Top, item.Right, item.Bottom}, g.picture(g.SurfDovi),
             Rect{left, 0, left + kItemWidth, kItemHeight}, kBltWaitKeySrc);
    }
}

void platforms(const Game& g, VBGE& ge, Surface& back) {
    // Drawn from the level's grid: a cell's neighbours choose the end pieces.
    const int L = levelIndex(g);
    const Surface& sheet = g.picture(g.SurfPlatform);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t code = g.LevelGrid[row][column][L];
            if (!isPlatformCode(code)) continue;
            // The screen's edges count as platform.
            const bool leftPlatform = column == 0 || isPlatformCode(g.LevelGrid[row][column - 1][L]);
            const bool rightPlatform =
                column == kGridColumns - 1 || isPlatformCode(g.LevelGrid[row][column + 1][L]);
            // The sheet's pieces: a left end, a middle and a right end, one cell each.
            int32_t pieceLeft = kCellWidth;
            if (!leftPlatform && rightPlatform) pieceLeft = 0;
            if (leftPlatform && !rightPlatform) pieceLeft = 2 * kCellWidth;
            const int32_t x = kCellWidth * column, y = kCellHeight * row, band = kCellHeight * code;
            blit(ge, back, Rect{x, y, x + kCellWidth, y + kCellHeight}, sheet,
                 Rect{pieceLeft, band, pieceLeft + kCellWidth, band + kCellHeight}, kBltWaitKeySrc);
        }
    }
}

void items(const Game& g, VBGE& ge, Surface& back) {
    for (int k = 0; k < g.ItemCount && k < kMaxItems; ++k) {
        const ItemRec& item = g.Items[k];
        const SurfaceRef* sheet = itemPicture(g, item.Kind);
        if (!sheet) continue;
        const int32_t left = intFloor(item.Frame) * kItemWidth;
        blit(ge, back, Rect{item.Left, item.Top, item.Right, item.Bottom}, g.picture(*sheet),
             Rect{left, 0, left + kItemWidth, kItemHeight}, kBltWaitKeySrc);
    }
}

void pieces(const Game& g, VBGE& ge, Surface& back) {
    for (const ParticleSystem& system : g.ParticleSystems) {
        if (!system.Active) continue;
        if (system.CountX > kMaxPiecesAcross || system.CountY > kMaxPiecesAcross) raiseSubscriptOutOfRange();
        if (!system.Picture) raiseObjectNotSet();
        const int32_t w = system.PieceWidth, h = system.PieceHeight;
        for (int cx = 0; cx < system.CountX; ++cx) {
            for (int cy = 0; cy < system.CountY; ++cy) {
                const Particle& piece = system.Particles[cx][cy];
                // A piece at rest is not drawn.
                if (piece.VelX == 0 && piece.VelY == 0) continue;
                const int32_t x = toLong(piece.X), y = toLong(piece.Y);
                blit(ge, back, Rect{x, y, x + w, y + h}, *system.Picture,
                     Rect{w * cx, h * cy, w * cx + w, h * cy + h}, kBltWaitKeySrc);
            }
        }
    }
}

void bombGates(const Game& g, VBGE& ge, Surface& back) {
    // The gate's right half stands at the left edge, its left half at the right edge.
    const Surface& gate = g.picture(g.SurfBombExit);
    blit(ge, back, Rect{0, 480, 10, 580}, gate, Rect{10, 0, 20, 100}, kBltWaitKeySrc);
    blit(ge, back, Rect{kScreenWidth - 10, 480, kScreenWidth, 580}, gate, Rect{0, 0, 10, 100},
         kBltWaitKeySrc);
}

}  // namespace vorn::layers

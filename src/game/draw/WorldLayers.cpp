// The world's layers of the play screen: background, bombs, shots, the character to rescue,
// platforms, items, flying pieces and the bomb gates.
#include "core/Error.h"
#include "core/Numbers.h"
#include "game/draw/Layers.h"

namespace vorn::layers {

namespace {

// Codes below 5 are platforms; the screen edge counts as platform too.
constexpr uint8_t kFirstNonPlatform = 5;

bool isPlatform(uint8_t code) { return code < kFirstNonPlatform; }

int levelIndex(const Game& g) {
    if (g.Level < 1 || g.Level > kMaxLevels) raiseSubscriptOutOfRange();
    return g.Level - 1;
}

const SurfaceRef* itemPicture(const Game& g, int16_t kind) {
    switch (kind) {
        case 10:
            return &g.SurfHighJump;
        case 11:
            return &g.SurfExtraSpeed;
        case 12:
            return &g.SurfInvulnerable;
        case 13:
            return &g.SurfCrystal;
        case 14:
            return &g.SurfShoot;
        case 15:
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
        int32_t left = intFloor(bomb.Frame) * 40;
        if (bomb.Direction == 0) left = 600 - left;
        const SurfaceRef& sheet = !bomb.Hot             ? g.SurfNormalBomb
                                  : bomb.FlashTime != 0 ? g.SurfHitBomb
                                                        : g.SurfHotBomb;
        const int32_t x = intFloor(bomb.X), y = intFloor(bomb.Y);
        blit(ge, back, Rect{x, y, x + 40, y + 40}, g.picture(sheet), Rect{left, 0, left + 40, 40},
             kBltWaitKeySrc);
    }
}

void shots(const Game& g, VBGE& ge, Surface& back) {
    for (const ShotRec& shot : g.Shots) {
        if (!shot.Active) continue;
        int32_t left = intFloor(shot.Frame) * 20;
        if (shot.Direction == 0) left = 300 - left;
        blit(ge, back, Rect{shot.X, shot.Y, shot.X + 20, shot.Y + 20}, g.picture(g.SurfAmmoBall),
             Rect{left, 0, left + 20, 20}, kBltWaitKeySrc);
    }
}

void characterToRescue(const Game& g, VBGE& ge, Surface& back) {
    for (int k = 0; k < g.ItemCount && k < kMaxItems; ++k) {
        const ItemRec& item = g.Items[k];
        if (item.Kind != 16) continue;
        const int32_t left = intFloor(item.Frame) * 40;
        blit(ge, back, Rect{item.Left, item.Top, item.Right, item.Bottom}, g.picture(g.SurfDovi),
             Rect{left, 0, left + 40, 35}, kBltWaitKeySrc);
    }
}

void platforms(const Game& g, VBGE& ge, Surface& back) {
    // Drawn from the level's grid: a cell's neighbours choose the end pieces.
    const int L = levelIndex(g);
    const Surface& sheet = g.picture(g.SurfPlatform);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t code = g.LevelGrid[row][column][L];
            if (!isPlatform(code)) continue;
            const bool leftPlatform = column == 0 || isPlatform(g.LevelGrid[row][column - 1][L]);
            const bool rightPlatform =
                column == kGridColumns - 1 || isPlatform(g.LevelGrid[row][column + 1][L]);
            int32_t pieceLeft = 50;
            if (!leftPlatform && rightPlatform) pieceLeft = 0;
            if (leftPlatform && !rightPlatform) pieceLeft = 100;
            blit(ge, back, Rect{50 * column, 20 * row, 50 * column + 50, 20 * row + 20}, sheet,
                 Rect{pieceLeft, 20 * code, pieceLeft + 50, 20 * code + 20}, kBltWaitKeySrc);
        }
    }
}

void items(const Game& g, VBGE& ge, Surface& back) {
    for (int k = 0; k < g.ItemCount && k < kMaxItems; ++k) {
        const ItemRec& item = g.Items[k];
        const SurfaceRef* sheet = itemPicture(g, item.Kind);
        if (!sheet) continue;
        const int32_t left = intFloor(item.Frame) * 40;
        blit(ge, back, Rect{item.Left, item.Top, item.Right, item.Bottom}, g.picture(*sheet),
             Rect{left, 0, left + 40, 35}, kBltWaitKeySrc);
    }
}

void pieces(const Game& g, VBGE& ge, Surface& back) {
    for (const ParticleSystem& system : g.ParticleSystems) {
        if (!system.Active) continue;
        if (system.CountX > 20 || system.CountY > 20) raiseSubscriptOutOfRange();
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
    blit(ge, back, Rect{790, 480, 800, 580}, gate, Rect{0, 0, 10, 100}, kBltWaitKeySrc);
}

}  // namespace vorn::layers

// Laying a level out from its grid, and the "Next Level" screen that announces it.
#include <algorithm>
#include <cmath>

#include "core/Error.h"
#include "core/Numbers.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr int16_t kFramesBetweenBombs = 90;
// Bombs wait this far above the screen before they drop in.
constexpr float kBombStartY = -300.0f;

void resetCharacter(Game& g) {
    g.CharInAir = 0;
    g.CharPose = 0;
    g.CharFacing = 1;
    g.CharX = kCharStartX;
    g.CharY = kCharStartY;
    g.CharVelY = 0.0f;
    g.CharVelX = 0.0f;
    g.HyperJumps = 0;
    g.SpeedTime = 0;
    g.InvulnerableTime = 0;
    g.BallBlasterTime = 0;
    g.ShotDelay = kFireInterval;
    g.BlinkTime = 0;
    g.IdleAnim = 0.0f;
}

// Platforms are 30 pixels wide and centred in their 50-pixel cell; the thin kind keeps only
// the bottom 4 pixels of the band. A grid with more than 100 platform cells is cut off.
void layOutPlatforms(Game& g, int levelIndex) {
    g.PlatformCount = 0;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t code = g.LevelGrid[row][column][levelIndex];
            if (!isPlatformCode(code) || g.PlatformCount >= kMaxPlatforms) continue;
            PlatformRec& p = g.Platforms[g.PlatformCount];
            p.Kind = code;
            p.Left = column * kCellWidth + 10;
            p.Right = column * kCellWidth + 40;
            p.Top = row * kCellHeight + (code == kPlatformThin ? 13 : 2);
            p.Bottom = row * kCellHeight + 17;
            ++g.PlatformCount;
        }
    }
}

// Items stand on the cell below them: they reach from 17 pixels above their cell to 2 pixels
// above its bottom. Dovi stands 10 pixels lower. More than 100 item cells are cut off.
void layOutItems(Game& g, int levelIndex) {
    g.ItemCount = 0;
    g.CrystalsTaken = 0;
    g.CrystalCount = 0;
    g.LevelHasDovi = false;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t code = g.LevelGrid[row][column][levelIndex];
            if (!isItemCode(code) || g.ItemCount >= kMaxItems) continue;
            ItemRec& item = g.Items[g.ItemCount];
            item.Kind = code;
            item.Left = column * kCellWidth + 5;
            item.Top = row * kCellHeight - 17;
            item.Right = item.Left + kItemWidth;
            item.Bottom = item.Top + kItemHeight;
            item.Frame = std::floor(g.Rng.draw() * kAnimationFrames);
            if (code == kItemCrystal) g.CrystalCount = wrap16(g.CrystalCount + 1);
            if (code == kItemDovi) {
                g.LevelHasDovi = true;
                item.Top += 10;
                item.Bottom += 10;
            }
            ++g.ItemCount;
        }
    }
}

// Two bombs on the first four levels and two more every four levels; they enter 90 frames
// apart so the player is never met by all of them at once.
void layOutBombs(Game& g) {
    const int16_t count = wrap16((wrap16(g.Level - 1) / 4) * 2 + 2);
    g.BombCount = static_cast<int16_t>(std::clamp<int>(count, 0, kMaxBombs));
    for (int16_t b = 0; b < g.BombCount; ++b) {
        BombRec& bomb = g.Bombs[b];
        bomb.FlashTime = 0;
        bomb.Hot = false;
        bomb.Hits = 0;
        bomb.Dead = false;
        bomb.Delay = wrap16(b * kFramesBetweenBombs);
        g.InitBomb(b);
    }
}

}  // namespace

bool Game::StartNextLevel() {
    return trapErrors(platform.messages, "Game - StartNextLevel - ", [&] {
        if (!Initialized) raiseNotInitialized();
        ++levelStarts;
        EndDelay = 0;
        Level = wrap16(Level + 1);

        // The five backgrounds are shared out evenly over the levels, from the new level
        // number before it wraps round (so the wrap to level 1 shows one more scenery). A set of
        // fewer than five levels gives each level a background of its own.
        const int16_t levelsPerScenery = static_cast<int16_t>(std::max(LevelCount / 5, 1));
        Scenery = wrap16(wrap16(Level - 1) / levelsPerScenery + 1);

        DoviRescued = false;
        if (Level > LevelCount) Level = 1;
        if (Level < 1 || Level > kMaxLevels) raiseSubscriptOutOfRange();

        resetCharacter(*this);
        // A developer key can start a level during the death count-down; the character must
        // still be able to die there, which the hit that takes the last point decides.
        if (Health <= 0) Health = 1;
        layOutPlatforms(*this, Level - 1);
        layOutItems(*this, Level - 1);
        layOutBombs(*this);
        for (ShotRec& shot : Shots) shot.Active = false;
        for (ParticleSystem& system : ParticleSystems) system.Active = false;

        doEvents();
        if (!showNextLevelScreen()) return false;
        if (!playSound(SndGetReady)) return false;
        if (!DevMode) platform.clock.sleep(3000);
        return true;
    });
}

// The get-ready picture with a yellow box holding "Next Level" and the level's name.
bool Game::showNextLevelScreen() {
    VBGE& engine = graphics();
    SurfaceRef back = engine.BackBuffer();
    if (!engine.ClearSurface(picture(back), false)) return false;
    if (!ShowBitmap(picture(SurfGetReady), false)) return false;

    constexpr uint32_t yellow = rgb(255, 255, 0), white = rgb(255, 255, 255);
    back->setFillColour(0);
    back->setFillStyle(FillStyle::Transparent);
    back->setFont(FontMedium);
    back->setForeColour(yellow);
    back->drawBox(190, 200, 610, 340);
    back->setForeColour(white);
    back->drawText(200, 210, "Next Level");
    back->setForeColour(yellow);
    back->drawText(200, 230, LevelNames[Level - 1]);

    SurfaceRef primary = engine.PrimarySurface();
    Rect screen{0, 0, kScreenWidth, kScreenHeight};
    Rect source{0, 0, kScreenWidth, kScreenHeight};
    // A failed copy has shown its message; the level starts all the same.
    (void)engine.Blit(picture(primary), screen, *back, source, kBltWait);
    return true;
}

// A bomb waits above the screen at a random x where it fits the screen, rolling right when its
// index is even and left when it is odd.
void Game::InitBomb(int16_t b) {
    BombRec& bomb = Bombs[b];
    bomb.Frame = std::floor(Rng.draw() * kAnimationFrames);
    if (b % 2 == 0) {
        bomb.Direction = 1;
        bomb.VelX = kBombRollSpeed;
    } else {
        bomb.Direction = 0;
        bomb.VelX = -kBombRollSpeed;
    }
    bomb.X = std::floor(Rng.draw() * (kScreenWidth - kBombSize));
    bomb.Y = kBombStartY;
    bomb.VelY = 0.0f;
    bomb.Leaving = false;
}

}  // namespace vorn

// Times one pass of play, DoFrame plus DrawFrame, on the worst case the arrays allow: 50 bombs,
// 50 shots, 100 items, 15 particle systems of 400 pieces and a full platform grid. Presentation
// goes nowhere (headless platform), so the figure is the game's own work per frame.
//
//   build/release/bin/frame_bench --benchmark_min_time=2
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace fs = std::filesystem;
using namespace vorn;

namespace {

// The parts of the world a frame changes, kept so every iteration starts from the worst case.
struct WorldSnapshot {
    BombRec bombs[kMaxBombs];
    ShotRec shots[kMaxShots];
    ItemRec items[kMaxItems];
    ParticleSystem particles[kMaxParticleSystems];
    float charX, charY, charVelX, charVelY;
    int16_t score, health, charInAir;

    void take(const Game& g) {
        std::memcpy(bombs, g.Bombs, sizeof bombs);
        std::memcpy(shots, g.Shots, sizeof shots);
        std::memcpy(items, g.Items, sizeof items);
        std::memcpy(particles, g.ParticleSystems, sizeof particles);
        charX = g.CharX, charY = g.CharY, charVelX = g.CharVelX, charVelY = g.CharVelY;
        score = g.Score, health = g.Health, charInAir = g.CharInAir;
    }
    void restore(Game& g) const {
        std::memcpy(g.Bombs, bombs, sizeof bombs);
        std::memcpy(g.Shots, shots, sizeof shots);
        std::memcpy(g.Items, items, sizeof items);
        std::memcpy(g.ParticleSystems, particles, sizeof particles);
        g.CharX = charX, g.CharY = charY, g.CharVelX = charVelX, g.CharVelY = charVelY;
        g.Score = score, g.Health = health, g.CharInAir = charInAir;
        g.EndDelay = 0;
    }
};

void fillWorstCase(Game& g) {
    // Every cell of the grid is a platform for the drawing; the simulation holds its 100.
    const int L = g.Level - 1;
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            g.LevelGrid[row][column][L] = static_cast<uint8_t>((row + column) % kPlatformKinds);
    g.PlatformCount = kMaxPlatforms;
    for (int p = 0; p < kMaxPlatforms; ++p) {
        int row = 4 + (p / kGridColumns) * 4, column = p % kGridColumns;
        g.Platforms[p] =
            PlatformRec{column * kCellWidth + 10, row * kCellHeight + 2, column * kCellWidth + 40,
                        row * kCellHeight + 17, static_cast<int16_t>(p % kPlatformKinds)};
    }
    // Items float where the character never is, so none is taken.
    g.ItemCount = kMaxItems;
    g.CrystalCount = 1;
    g.CrystalsTaken = 0;
    for (int k = 0; k < kMaxItems; ++k) {
        int left = (k % 19) * kItemWidth, top = 60 + (k / 19) * 8;
        g.Items[k] = ItemRec{left,
                             top,
                             left + kItemWidth,
                             top + kItemHeight,
                             static_cast<float>(k % kAnimationFrames),
                             static_cast<int16_t>(k == 0 ? kItemCrystal : kItemHighJump + k % 7)};
    }
    g.BombCount = kMaxBombs;
    for (int i = 0; i < kMaxBombs; ++i) {
        BombRec& b = g.Bombs[i];
        b = BombRec{};
        b.X = static_cast<float>((i * 73) % (kScreenWidth - kBombSize));
        b.Y = static_cast<float>(40 + (i * 37) % 400);
        b.VelX = i % 2 ? -kBombRollSpeed : kBombRollSpeed;
        b.Direction = i % 2 ? 0 : 1;
        b.Frame = static_cast<float>(i % kAnimationFrames);
    }
    for (int j = 0; j < kMaxShots; ++j) {
        ShotRec& s = g.Shots[j];
        s = ShotRec{true,
                    static_cast<int16_t>(100 + (j * 11) % 600),
                    static_cast<int16_t>(30 + j * 11),
                    1.0f,
                    static_cast<int16_t>(j % 2),
                    j % 2 ? 15.0f : -15.0f};
    }
    for (int s = 0; s < kMaxParticleSystems; ++s) g.startExplosionEffect(static_cast<float>(50 * s), 300.0f);
    g.InvulnerableTime = 30000;  // bombs pass through the character: nothing ends the level
    g.CharX = 380;
    g.CharY = 300;
}

void BM_PlayFrame(benchmark::State& state) {
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    fs::current_path(bin);
    HeadlessPlatform headless;
    headless.messages.echoToStderr = true;
    Game game(headless.platform());
    game.abandonWithoutSaving();
    if (!game.Initialize(true) || !game.StartGame()) {
        state.SkipWithError("the game did not start in the program's folder");
        return;
    }
    fillWorstCase(game);
    WorldSnapshot start;
    start.take(game);
    for (auto _ : state) {
        state.PauseTiming();
        start.restore(game);
        state.ResumeTiming();
        if (!game.DoFrame() || !game.DrawFrame()) {
            state.SkipWithError("a frame failed");
            return;
        }
    }
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// Times start-up and the title screen: the game's own share of start-up on the headless
// platform (Initialize with the shipped files: every picture, sound and level read and
// decoded), one pass of the main loop on the title screen, and, when there is a display,
// the whole way on the real platform from opening the window to the first title frame shown.
//
//   build/release/bin/startup_bench --benchmark_min_time=2
//   xvfb-run -s "-screen 0 800x600x24" build/release/bin/startup_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "platform/sdl/SdlPlatform.h"

namespace fs = std::filesystem;
using namespace vorn;

namespace {

void enterProgramFolder() { fs::current_path(fs::read_symlink("/proc/self/exe").parent_path()); }

void BM_Initialize(benchmark::State& state) {
    enterProgramFolder();
    for (auto _ : state) {
        HeadlessPlatform headless;
        auto game = std::make_unique<Game>(headless.platform());
        // Nothing is written: the build's folder stays as the build made it.
        game->abandonWithoutSaving();
        if (!game->Initialize(false)) {
            state.SkipWithError("start-up failed in the program's folder");
            return;
        }
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Initialize)->Unit(benchmark::kMillisecond);

void BM_TitlePass(benchmark::State& state) {
    enterProgramFolder();
    HeadlessPlatform headless;
    Game game(headless.platform());
    game.abandonWithoutSaving();
    if (!game.Initialize(false)) {
        state.SkipWithError("start-up failed in the program's folder");
        return;
    }
    for (auto _ : state) {
        headless.window.pumpMessages();
        if (!game.DrawFrame() || !game.DoFrame()) {
            state.SkipWithError("a title frame failed");
            return;
        }
    }
}
BENCHMARK(BM_TitlePass)->Unit(benchmark::kMicrosecond);

void BM_StartupOnDisplay(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no display");
        return;
    }
    enterProgramFolder();
    setenv("VORN_NO_MESSAGE_BOX", "1", 1);
    for (auto _ : state) {
        SdlPlatform sdl;
        auto game = std::make_unique<Game>(sdl.platform());
        game->abandonWithoutSaving();
        if (!game->Initialize(false) || !game->DrawFrame()) {
            state.SkipWithError("start-up failed on the display");
            return;
        }
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupOnDisplay)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();

// Times the composing of one title frame, DrawFrame on the title screen, with the shipped
// pictures and fonts, and the pieces it is made of: the whole-screen picture, the two framed
// panels and the twenty-four lines of text. Presentation goes nowhere (headless platform).
//
//   build/release/bin/title_bench --benchmark_min_time=2
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace fs = std::filesystem;

namespace {

// The game at its title screen, started from the program's own folder.
struct TitleGame {
    TitleGame() : game(headless.platform()) {
        fs::current_path(fs::read_symlink("/proc/self/exe").parent_path());
        headless.messages.echoToStderr = true;
        game.abandonWithoutSaving();
        ok = game.Initialize(false);
    }
    vorn::HeadlessPlatform headless;
    vorn::Game game;
    bool ok = false;
};

void BM_TitleDrawFrame(benchmark::State& state) {
    TitleGame t;
    if (!t.ok) {
        state.SkipWithError("start-up failed in the program's folder");
        return;
    }
    for (auto _ : state)
        if (!t.game.DrawFrame()) {
            state.SkipWithError("a title frame failed");
            return;
        }
}
BENCHMARK(BM_TitleDrawFrame)->Unit(benchmark::kMicrosecond);

void BM_TitlePicture(benchmark::State& state) {
    TitleGame t;
    if (!t.ok) {
        state.SkipWithError("start-up failed in the program's folder");
        return;
    }
    for (auto _ : state) {
        if (!t.game.ShowBitmap(t.game.picture(t.game.SurfTitle), false)) {
            state.SkipWithError("the title picture was not shown");
            return;
        }
    }
}
BENCHMARK(BM_TitlePicture)->Unit(benchmark::kMicrosecond);

void BM_TitlePanelFrames(benchmark::State& state) {
    vorn::Surface back(vorn::kScreenWidth, vorn::kScreenHeight);
    back.setFillStyle(vorn::FillStyle::Transparent);
    back.setForeColour(vorn::rgb(255, 255, 0));
    for (auto _ : state) {
        back.drawBox(5, 155, 200, 420);
        back.drawBox(605, 155, vorn::kScreenWidth, 420);
        benchmark::DoNotOptimize(back.row(155));
    }
}
BENCHMARK(BM_TitlePanelFrames)->Unit(benchmark::kMicrosecond);

void BM_TitleText(benchmark::State& state) {
    TitleGame t;
    if (!t.ok) {
        state.SkipWithError("start-up failed in the program's folder");
        return;
    }
    vorn::Surface back(vorn::kScreenWidth, vorn::kScreenHeight);
    back.setFont(t.game.FontMedium);
    back.setForeColour(vorn::rgb(255, 255, 0));
    // As many lines, of about the same lengths, as the help panel and the table hold.
    const std::string lines[] = {"Keyboard Help",      "F1 - Start Game",    "F2 - Options",
                                 "Esc - Exit Game",    "P - Pause Game",     "Left - Move Left ",
                                 "Right - Move Right", "Up/Space - Jump Up", "Down - Jump Down",
                                 "Shift/Ctrl - Shoot", "High Scores"};
    for (auto _ : state) {
        int y = 160;
        for (const auto& line : lines) back.drawText(10, y += 20, line);
        for (int i = 0; i < 10; ++i) {
            back.drawText(610, 200 + 20 * i, "Dovi                ");
            back.drawText(720, 200 + 20 * i, std::to_string(10000 - 1000 * i));
        }
        benchmark::DoNotOptimize(back.row(200));
    }
}
BENCHMARK(BM_TitleText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

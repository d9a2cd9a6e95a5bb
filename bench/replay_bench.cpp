// What recording costs a frame: the recorder's share of a frame (the play keys of a busy
// player, who changes keys every few frames), and writing and reading a whole game's replay.
// The whole game is tests/golden/whole-game.vrep: every crystal of the fifty levels and Dovi.
//
//   build/release/bin/replay_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/replay/ReplayFormat.h"
#include "game/replay/ReplayRecorder.h"
#include "platform/headless/Headless.h"

namespace fs = std::filesystem;
using namespace vorn;

namespace {

Replay wholeGame() {
    std::ifstream in(fs::path(VORN_SOURCE_DIR) / "tests/golden/whole-game.vrep", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return decodeReplay(bytes.str());
}

// One frame's keys through the recorder, the way DoFrame hands them over; the keys change every
// three frames, a busier player than any.
void RecordOneFrame(benchmark::State& state) {
    HeadlessPlatform host;
    Game game(host.platform());
    game.abandonWithoutSaving();
    ReplayRecorder recorder;
    recorder.begin(game, "1.0", 0);
    uint8_t keys[256] = {};
    uint32_t frame = 0;
    for (auto _ : state) {
        keys[kPlayKeys[(frame / 3) % kPlayKeys.size()]] = (frame % 6 < 3) ? 0x80 : 0;
        recorder.keysFor(frame++, keys);
        benchmark::DoNotOptimize(keys);
    }
    state.counters["runs"] = static_cast<double>(recorder.finish(game, GameEnd::Closed).keys.size());
}
BENCHMARK(RecordOneFrame);

void WriteWholeGame(benchmark::State& state) {
    const Replay replay = wholeGame();
    std::size_t bytes = 0;
    for (auto _ : state) bytes = encodeReplay(replay).size();
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["frames"] = replay.frames;
}
BENCHMARK(WriteWholeGame)->Unit(benchmark::kMicrosecond);

void ReadWholeGame(benchmark::State& state) {
    const std::string bytes = encodeReplay(wholeGame());
    for (auto _ : state) benchmark::DoNotOptimize(decodeReplay(bytes));
}
BENCHMARK(ReadWholeGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// A soak run's keys, written as a key file and replayed by vorn-sim with the run's seed and
// level, give the very world the soak saw: what a broken invariant's report relies on. The run
// is played on the golden levels (our own test levels).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Simulator.h"
#include "Soak.h"
#include "game/state/Game.h"
#include "support/DataDir.h"
#include "support/Paths.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

namespace vorn::test {
namespace {

// vorn-sim's last line of output for these arguments.
std::string lastSimLine(const std::string& arguments) {
    const ToolRun run = runTool("vorn-sim", arguments);
    const std::string last = run.lines.empty() ? "" : run.lines.back();
    return run.status == 0 ? last : "vorn-sim failed: " + last;
}

TEST(SoakReplay, ARunsKeysReplayedByTheSimulatorGiveTheWorldTheSoakEndedWith) {
    DataDir data;
    const fs::path golden = fs::path(sourceDir()) / "tests/golden";
    fs::copy_file(golden / "Levels.txt", data.file("Levels.txt"), fs::copy_options::overwrite_existing);
    fs::copy_file(golden / "LevelNames.txt", data.file("LevelNames.txt"),
                  fs::copy_options::overwrite_existing);
    soak::Soak soak(data.path());
    ASSERT_TRUE(soak.ready()) << soak.error();

    // The first run among the seeds that clears level 3 and then loses the game on level 4.
    soak::Run run;
    uint64_t seed = 1;
    for (; seed <= 40; ++seed) {
        run = soak.run(seed, 3, 3000);
        ASSERT_NE(run.end, soak::Run::End::Broken) << run.broken;
        if (run.end == soak::Run::End::Died && run.clears >= 1) break;
    }
    ASSERT_LE(seed, 40u) << "no such run among 40 seeds";
    ASSERT_EQ(run.keys.size(), static_cast<size_t>(run.frames));
    std::ostringstream text;
    soak::writeKeyFile(text, run.keys);
    data.write("lost.keys", text.str());
    const std::string replayed = lastSimLine(
        "--data " + data.path().string() + " --seed " + std::to_string(seed) + " --level 3 --frames " +
        std::to_string(run.frames) + " --input " + data.file("lost.keys").string());
    const Game& g = soak.game();
    EXPECT_EQ(replayed, sim::frameLine(g, run.frames, soak.sounds(), g.GameState != kPlaying));
}

}  // namespace
}  // namespace vorn::test

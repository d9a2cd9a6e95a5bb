// A soak run's keys, written as a key file and replayed by vorn-sim with the run's seed and
// level, give the very world the soak saw: what a broken invariant's report relies on. The runs
// are played on the golden levels (our own test levels), one game started up for all of them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Simulator.h"
#include "Soak.h"
#include "game/state/Game.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn::test {
namespace {

// vorn-sim's last line of output for these arguments.
std::string lastSimLine(const std::string& arguments) {
    FILE* pipe = popen((binDir() + "/vorn-sim " + arguments + " 2>&1").c_str(), "r");
    if (!pipe) return "";
    std::string line, last;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        last = line;
        line.clear();
    }
    const int status = pclose(pipe);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? last : "vorn-sim failed: " + last;
}

TEST(SoakReplay, ARunsKeysReplayedByTheSimulatorGiveTheWorldTheSoakEndedWith) {
    DataDir data;
    const fs::path golden = fs::path(sourceDir()) / "tests/golden";
    fs::copy_file(golden / "Levels.txt", data.file("Levels.txt"), fs::copy_options::overwrite_existing);
    fs::copy_file(golden / "LevelNames.txt", data.file("LevelNames.txt"),
                  fs::copy_options::overwrite_existing);
    soak::Soak soak(data.path());
    ASSERT_TRUE(soak.ready()) << soak.error();

    // Three kinds of run, each the first of its kind among the seeds: a game lost after a level
    // was cleared, a game won at Dovi after a level was cleared, and a run still going at its end.
    struct Kind {
        const char* what;
        int level;
        soak::Run::End end;
        int clears;
    };
    for (const Kind& kind :
         {Kind{"lost", 3, soak::Run::End::Died, 1}, Kind{"won", 49, soak::Run::End::Won, 2},
          Kind{"going-on", 2, soak::Run::End::Survived, 1}}) {
        SCOPED_TRACE(kind.what);
        soak::Run run;
        uint64_t seed = 1;
        for (; seed <= 40; ++seed) {
            run = soak.run(seed, kind.level, 3000);
            ASSERT_NE(run.end, soak::Run::End::Broken) << run.broken;
            if (run.end == kind.end && run.clears >= kind.clears) break;
        }
        ASSERT_LE(seed, 40u) << "no such run among 40 seeds";
        ASSERT_EQ(run.keys.size(), static_cast<size_t>(run.frames));

        const fs::path keys = data.file(std::string(kind.what) + ".keys");
        std::ofstream(keys) << [&] {
            std::ostringstream text;
            soak::writeKeyFile(text, run.keys);
            return text.str();
        }();
        const std::string replayed =
            lastSimLine("--data " + data.path().string() + " --seed " + std::to_string(seed) + " --level " +
                        std::to_string(kind.level) + " --frames " + std::to_string(run.frames) + " --input " +
                        keys.string());
        const Game& g = soak.game();
        EXPECT_EQ(replayed, sim::frameLine(g, run.frames, soak.sounds(), g.GameState != kPlaying));
    }
}

}  // namespace
}  // namespace vorn::test

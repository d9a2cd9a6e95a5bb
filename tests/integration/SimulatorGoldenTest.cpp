// vorn-sim against stored runs. The golden levels (tests/golden/Levels.txt) are our own test
// levels, so the runs change only when the game's rules change, not when the shipped levels do.
// Every 20th frame, every frame that played a sound and the last frame are compared; a difference
// anywhere earlier shows up in the sampled frames that follow. To accept a deliberate change:
//   VORN_UPDATE_GOLDEN=1 ctest -R SimulatorGolden   (then review the diff of tests/golden/)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/DataDir.h"
#include "support/Paths.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> runSim(const std::string& arguments, int* status = nullptr) {
    vorn::test::ToolRun run = vorn::test::runTool("vorn-sim", arguments, false);
    if (status) *status = run.status;
    return std::move(run.lines);
}

std::string sampled(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t k = 0; k < lines.size(); ++k) {
        const bool soundPlayed = lines[k].find("\"Sounds\":[]") == std::string::npos;
        if ((k + 1) % 20 == 0 || soundPlayed || k + 1 == lines.size()) out += lines[k] + "\n";
    }
    return out;
}

void checkGolden(const std::string& name, const std::string& arguments) {
    // The shipped pictures and sounds with the golden levels.
    vorn::test::DataDir data;
    const fs::path golden = fs::path(vorn::test::sourceDir()) / "tests/golden";
    for (const char* file : {"Levels.txt", "LevelNames.txt"})
        fs::copy_file(golden / file, data.file(file), fs::copy_options::overwrite_existing);
    std::string args = "--data " + data.path().string() + " " + arguments;
    if (fs::exists(golden / (name + ".keys"))) args += " --input " + (golden / (name + ".keys")).string();
    int status = -1;
    const std::string actual = sampled(runSim(args, &status));
    ASSERT_EQ(status, 0) << "vorn-sim " << args;
    const fs::path expectedFile = golden / (name + ".jsonl");
    if (const char* update = std::getenv("VORN_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ofstream(expectedFile, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << expectedFile;
    }
    const std::string expected = readFile(expectedFile);
    ASSERT_FALSE(expected.empty()) << expectedFile << " is missing";
    if (actual == expected) return;
    // Name the first line that differs rather than dumping megabytes.
    std::istringstream a(actual), e(expected);
    std::string la, le;
    for (int n = 1;; ++n) {
        bool ga = static_cast<bool>(std::getline(a, la)), ge = static_cast<bool>(std::getline(e, le));
        if (!ga || !ge || la != le) {
            FAIL() << name << ": sampled line " << n << " differs\nexpected: " << le.substr(0, 400)
                   << "\nactual:   " << la.substr(0, 400);
        }
    }
}

}  // namespace

// Level 1 played to its end by running right along the crystals, then into level 2.
TEST(SimulatorGolden, ALevelPlayedToItsEnd) { checkGolden("clear", "--seed 3 --level 1 --frames 400"); }

// Standing still on a level that never clears until the bombs take all seven health points.
TEST(SimulatorGolden, ADeath) { checkGolden("death", "--seed 5 --level 47 --frames 3000"); }

// The last two levels: crystals, then Dovi; the score enters the table under the given name.
TEST(SimulatorGolden, TheLastLevelWon) {
    checkGolden("won", "--seed 11 --level 49 --frames 800 --name \"Golden Ace\"");
}

// The proving ground (level 5): every kind of platform and item, four bombs, and keys that run,
// jump, drop and shoot in a pattern that repeats every 97 frames, until the bombs and the net have
// taken nearly all the health: grip, bounces, power-ups, balls, bombs and effects in one run.
TEST(SimulatorGolden, EveryPlatformItemAndBombOnTheProvingGround) {
    checkGolden("busy", "--seed 4 --level 5 --frames 900");
}

// A whole game of the shipped levels, every crystal of all fifty and Dovi last, played by
// vorn-levelcheck --replay on the checker's ways through the real frame step, bombs and all.
// Its replay must still end exactly as it claims (how a replay that does not is found out is
// the replay tests' part). It is made again on purpose, after a change
// to the shipped levels or the rules, with
//   build/release/bin/vorn-levelcheck --replay tests/golden/whole-game.vrep
TEST(SimulatorGolden, AWholeGameOfTheShippedLevelsStillEndsAsItsReplayClaims) {
    const fs::path replay = fs::path(vorn::test::sourceDir()) / "tests/golden/whole-game.vrep";
    int status = -1;
    const auto lines = runSim("--replay " + replay.string() + " --verify", &status);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("verified: level 50, ", 0), 0u) << lines[0];
    EXPECT_EQ(status, 0);
}

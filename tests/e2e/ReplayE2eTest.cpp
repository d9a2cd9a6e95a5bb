// Replays at the real program under a virtual X server: a game played with real key events (a
// crystal, a fall into the net, Escape) leaves a replay that vorn-sim proves, with the score
// the screen showed; a damaged replay given on the command line is refused and the title shows.
// (A won game's replay played back with F3 is in NameEntryE2eTest.)
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/DataDir.h"
#include "support/GameFiles.h"
#include "support/GameProcess.h"
#include "support/HeadlessScreen.h"
#include "support/Paths.h"
#include "support/ScreenCheck.h"
#include "support/Xvfb.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

using test::Box;
using test::Image;

// What `command` prints, and its exit status.
std::string output(const std::string& command, int* status) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;) out += static_cast<char>(c);
    const int rc = pipe ? pclose(pipe) : -1;
    *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

class ReplayOnX : public ::testing::Test {
protected:
    void SetUp() override {
        // A crystal by the start, then a hole in the floor: running right takes the one and
        // falls through the other into the net.
        std::vector<test::LevelRows> levels(5);
        for (auto& level : levels) level.rows[29] = "GGGGGGGGGGGGGGGG";
        levels[0].rows[29] = "GGGGG GGGGGGGGGG";
        levels[0].rows[28] = "  $            $";
        folder.write("Levels.txt", test::levelsText(levels));
        folder.write("LevelNames.txt", test::levelNamesText(5));
        test::GameProcess::copyProgramInto(folder.path());
    }

    test::DataDir folder;
    test::Xvfb x{800, 600};
};

TEST_F(ReplayOnX, AGamePlayedWithKeysLeavesAReplayThatProvesTheScoreTheScreenShowed) {
    test::HeadlessScreen drawn(true);
    ASSERT_TRUE(drawn.ok());
    ASSERT_TRUE(drawn.game.StartGame());
    drawn.game.Score = 20;
    const auto expectedScore = drawn.draw();

    test::GameProcess game(folder.path(), {"Sandbox"});
    ASSERT_TRUE(test::isScreen(test::waitForScreen(x, test::titleShown, 15000))) << game.errors();
    ASSERT_TRUE(test::focusGame());
    ASSERT_TRUE(x.key("F1"));
    ASSERT_TRUE(x.keyDown("Right"));
    // Six health icons, not seven: the net caught the hero.
    const Image fell = test::waitForScreen(
        x, [](const Image& s) { return test::healthShown(s, 6); }, 8000);
    ASSERT_TRUE(x.keyUp("Right"));
    ASSERT_TRUE(test::isScreen(fell)) << "the hero never fell\n" << game.errors();
    EXPECT_GE(test::maskOverlap(fell, *expectedScore, test::kScoreText, test::isWhite), 0.97)
        << "the crystal's 20";

    ASSERT_TRUE(test::escapeToTheEnd(x, game)) << game.errors();

    int status = -1;
    const std::string verdict =
        output(test::binDir() + "/vorn-sim --data " + folder.path().string() + " --replay " +
                   folder.file("replays/last.vrep").string() + " --verify",
               &status);
    EXPECT_EQ(status, 0) << verdict;
    EXPECT_EQ(verdict.rfind("verified: level 1, score 20, health ", 0), 0u) << verdict;
    EXPECT_EQ(verdict.find("health 7"), std::string::npos) << verdict;
}

TEST_F(ReplayOnX, ADamagedReplayIsRefusedWithItsReasonAndTheTitleShows) {
    folder.write("bad.vrep", std::string("VREP\x01\x00", 6) + std::string(80, 'x'));
    test::GameProcess game(folder.path(), {"--replay", folder.file("bad.vrep").string()});
    ASSERT_TRUE(test::isScreen(test::waitForScreen(x, test::titleShown, 15000))) << game.errors();
    EXPECT_NE(
        game.errors().find("The replay bad.vrep cannot be played: the replay file is damaged (its check sum "
                           "does not match)\n"),
        std::string::npos)
        << game.errors();
    ASSERT_TRUE(test::focusGame());
    ASSERT_TRUE(x.key("Escape"));
    EXPECT_EQ(game.wait(5000), 0) << game.errors();
}

}  // namespace
}  // namespace vorn

// The real program under a virtual X server, started from a throw-away copy of its folder:
// it reaches the title screen (past a damaged replay it refuses), SIGTERM ends it the orderly
// way with both files written, and a second SIGINT or SIGTERM ends it at once. (Escape is the
// player's end in the other end-to-end tests; a start-up that fails, the level set's.)
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <utility>

#include "support/DataDir.h"
#include "support/GameProcess.h"
#include "support/HeadlessScreen.h"
#include "support/ScreenCheck.h"
#include "support/Xvfb.h"

namespace vorn {
namespace {

class ProgramE2e : public ::testing::Test {
protected:
    void SetUp() override { test::GameProcess::copyProgramInto(folder.path()); }

    // Starts the program and waits for the title screen as the game draws it from this folder.
    std::unique_ptr<test::GameProcess> startToTitle(const std::vector<std::string>& arguments = {}) {
        test::HeadlessScreen drawn;
        EXPECT_TRUE(drawn.ok());
        const auto title = drawn.draw();
        auto game = std::make_unique<test::GameProcess>(folder.path(), arguments);
        const auto seen = test::waitForScreen(
            x,
            [&](const test::Image& s) {
                return test::likeness(s, *title, {0, 0, 800, 600}) >= 0.99;
            },
            15000);
        EXPECT_TRUE(test::isScreen(seen)) << "the title screen never showed\n" << game->errors();
        return game;
    }

    // The options all on, and the whole table (its bytes are the unit tests' part).
    void expectDefaultFiles() {
        EXPECT_EQ(folder.read("Options.dat"), std::string(4, '\xFF'));
        EXPECT_EQ(folder.read("HighScores.dat").size(), 220u);
    }

    test::DataDir folder;  // the program's own copy, current for the headless game
    test::Xvfb x{800, 600};
};

// A damaged replay given on the command line is refused with its reason; the title shows, and
// SIGTERM there ends the program the orderly way, both files written.
TEST_F(ProgramE2e, ADamagedReplayIsRefusedTheTitleShowsAndSigtermWritesBothFiles) {
    folder.write("bad.vrep", std::string("VREP\x01\x00", 6) + std::string(80, 'x'));
    auto game = startToTitle({"--replay", folder.file("bad.vrep").string()});
    EXPECT_NE(
        game->errors().find("The replay bad.vrep cannot be played: the replay file is damaged (its check "
                            "sum does not match)\n"),
        std::string::npos)
        << game->errors();
    game->signal(SIGTERM);
    EXPECT_EQ(game->wait(5000), 0) << game->errors();
    expectDefaultFiles();
}

TEST_F(ProgramE2e, ASecondInterruptEndsTheProgramAtOnceAndWritesNothing) {
    // The first signal asks for the orderly end, which waits for the three seconds of the
    // "Next Level" screen; the second one does not wait.
    for (auto [sig, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        auto game = startToTitle();
        ASSERT_TRUE(test::focusGame());
        ASSERT_TRUE(x.key("F1"));
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        game->signal(sig);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_TRUE(game->running()) << "the first signal waits for the level screen";
        game->signal(sig);
        EXPECT_EQ(game->wait(1000), status) << game->errors();
        EXPECT_FALSE(std::filesystem::exists(folder.file("Options.dat")));
        EXPECT_FALSE(std::filesystem::exists(folder.file("HighScores.dat")));
    }
}

}  // namespace
}  // namespace vorn

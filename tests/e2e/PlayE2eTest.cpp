// The real program on a virtual X server, started from a throw-away copy of its folder, keys
// sent through xdotool: F1 on the title screen, the "Next Level" screen held for three seconds,
// then running and taking a crystal on level 1; developer mode with its frame-rate box and F5
// and F7; a damaged replay refused on the way to the title; and the ends by signal, orderly or,
// at a second signal, at once. What the screen shows is compared with what the game draws of
// the same world on the headless platform. (That leaving the window pauses the game is the
// frame step's test and the SDL window's, one half each.)
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include "support/DataDir.h"
#include "support/GameProcess.h"
#include "support/HeadlessScreen.h"
#include "support/ScreenCheck.h"
#include "support/Xvfb.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

using test::Box;
using test::Image;
using SteadyClock = std::chrono::steady_clock;

using test::kScoreText;
constexpr Box kNextLevelBox{190, 200, 610, 340};
constexpr Box kLevelText{150, 32, 600, 54};
constexpr Box kFrameRateBox{5, 580, 150, 597};

bool playShown(const Image& s) { return test::healthShown(s, 7); }

// Where the hero is on the lower part of the screen (bomb gates left out), by its orange, which
// nothing else there shows; nothing when it is not one 40 x 36 picture.
std::optional<Box> findHero(const Image& s) {
    if (!test::isScreen(s)) return std::nullopt;
    Box found{800, 600, -1, -1};
    for (int y = 380; y < 582; ++y)
        for (int x = 12; x < 788; ++x) {
            const uint32_t p = s.pixel(x, y);
            if ((p >> 16) >= 200 && ((p >> 8) & 0xFF) >= 100 && ((p >> 8) & 0xFF) <= 190 && (p & 0xFF) <= 80)
                found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                         std::max(found.bottom, y + 1)};
        }
    if (found.right < 0 || found.right - found.left > 44 || found.bottom - found.top > 40)
        return std::nullopt;
    return found;
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
long msSince(SteadyClock::time_point t) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - t).count());
}

class PlayOnX : public ::testing::Test {
protected:
    void SetUp() override { test::GameProcess::copyProgramInto(folder.path()); }

    // Starts the program, waits for the title screen and gives the game the keyboard.
    std::unique_ptr<test::GameProcess> start(const std::vector<std::string>& arguments = {}) {
        auto game = std::make_unique<test::GameProcess>(folder.path(), arguments);
        titleSeen = test::waitForScreen(x, test::titleShown, 60000);
        EXPECT_TRUE(test::isScreen(titleSeen)) << "no title screen\n" << game->errors();
        EXPECT_TRUE(test::focusGame());
        return game;
    }
    // F1, and the play screen in `ms` at most.
    Image play(test::GameProcess& game, int ms) {
        EXPECT_TRUE(x.key("F1"));
        Image shown = test::waitForScreen(x, playShown, ms);
        EXPECT_TRUE(test::isScreen(shown)) << game.errors();
        return shown;
    }
    void leave(test::GameProcess& game) {
        EXPECT_TRUE(test::escapeToTheEnd(x, game)) << game.errors();
        EXPECT_EQ(fs::file_size(folder.file("HighScores.dat")), 220u);
    }

    test::DataDir folder;  // the program's own copy, current for the headless game
    test::Xvfb x{800, 600};
    Image titleSeen;
};

TEST_F(PlayOnX, ANewPlayerGetsReadyThenRunsAndTakesACrystal) {
    test::HeadlessScreen drawn;
    ASSERT_TRUE(drawn.ok());
    const auto expectedTitle = drawn.draw();
    auto game = start();
    EXPECT_GE(test::likeness(titleSeen, *expectedTitle, {0, 0, 800, 600}), 0.99);

    // F1: level 1 laid out, its name over the get-ready picture for three seconds.
    ASSERT_TRUE(drawn.game.StartGame());
    const auto expectedReady = drawn.screen();
    ASSERT_TRUE(x.key("F1"));
    const Image ready = test::waitForScreen(
        x, [](const Image& s) { return test::framed(s, kNextLevelBox, test::isYellow); }, 5000);
    const auto readySeen = SteadyClock::now();
    ASSERT_TRUE(test::isScreen(ready)) << game->errors();
    EXPECT_GE(test::likeness(ready, *expectedReady, kNextLevelBox), 0.98);
    const Box inside{192, 202, 608, 338};
    EXPECT_GE(test::maskOverlap(ready, *expectedReady, inside, test::isWhite), 0.97);   // "Next Level"
    EXPECT_GE(test::maskOverlap(ready, *expectedReady, inside, test::isYellow), 0.97);  // the level's name
    const Image shown = test::waitForScreen(x, playShown, 8000);
    const long heldMs = msSince(readySeen);
    ASSERT_TRUE(test::isScreen(shown)) << game->errors();
    std::printf("the \"Next Level\" screen was seen for %ld ms\n", heldMs);
    EXPECT_GE(heldMs, 2700);
    EXPECT_LT(heldMs, 5000);

    // The status line as the game draws it on a fresh level: seven icons, "Score: 0", the level.
    const auto expectedPlay = drawn.draw();
    EXPECT_GE(test::maskOverlap(shown, *expectedPlay, kScoreText, test::isWhite), 0.97);
    EXPECT_GE(test::maskOverlap(shown, *expectedPlay, kLevelText, test::isYellow), 0.97);
    EXPECT_GE(test::likeness(shown, *expectedPlay, {0, 0, 800, 60}), 0.95);
    const auto start = findHero(shown);
    ASSERT_TRUE(start) << "the hero is not at its starting place";
    EXPECT_LT(start->left, 60);

    // Holding Right runs into the first crystal of the floor: 20 points.
    drawn.game.Score = 20;
    const auto expectedScore = drawn.draw();
    ASSERT_TRUE(x.keyDown("Right"));
    const Image took = test::waitForScreen(
        x,
        [&](const Image& s) {
            return test::maskOverlap(s, *expectedScore, kScoreText, test::isWhite) >= 0.97;
        },
        6000);
    ASSERT_TRUE(x.keyUp("Right"));
    ASSERT_TRUE(test::isScreen(took)) << "the score never showed 20";
    const auto ran = findHero(took);
    ASSERT_TRUE(ran);
    EXPECT_GE(ran->left - start->left, 120);

    leave(*game);
}

TEST_F(PlayOnX, DeveloperModeShowsTheFrameRateAndItsKeysSkipALevelAndHeal) {
    test::HeadlessScreen drawn(true);
    ASSERT_TRUE(drawn.ok());
    auto game = start({"Sandbox"});
    // No three seconds of "Next Level" here.
    const auto f1 = SteadyClock::now();
    const Image shown = play(*game, 5000);
    EXPECT_LT(msSince(f1), 2000);

    // The frame-rate box: black with a white frame and its figure in white.
    EXPECT_TRUE(test::framed(shown, kFrameRateBox, test::isWhite));
    EXPECT_EQ(test::countPixels(shown, {110, 582, 148, 595}, test::isBlack), 38 * 13);
    EXPECT_GE(test::countPixels(shown, {8, 582, 108, 595}, test::isWhite), 20);

    // F5: the next level's line; F7: ten health icons.
    ASSERT_TRUE(drawn.game.StartGame());
    ASSERT_TRUE(drawn.game.StartNextLevel());
    const auto level2 = drawn.draw();
    ASSERT_TRUE(x.key("F5"));
    EXPECT_TRUE(test::isScreen(test::waitForScreen(
        x, [&](const Image& s) { return test::maskOverlap(s, *level2, kLevelText, test::isYellow) >= 0.97; },
        4000)))
        << "F5";
    ASSERT_TRUE(x.key("F7"));
    EXPECT_TRUE(test::isScreen(test::waitForScreen(
        x, [](const Image& s) { return test::healthShown(s, 10); }, 4000)))
        << "F7";
    leave(*game);
}

// A damaged replay given on the command line is refused with its reason; the title shows, and
// SIGTERM there ends the program the orderly way, both files written.
TEST_F(PlayOnX, ADamagedReplayIsRefusedTheTitleShowsAndSigtermWritesBothFiles) {
    folder.write("bad.vrep", std::string("VREP\x01\x00", 6) + std::string(80, 'x'));
    auto game = start({"--replay", folder.file("bad.vrep").string()});
    EXPECT_NE(game->errors().find("The replay bad.vrep cannot be played: the replay file is damaged (its "
                                  "check sum does not match)\n"),
              std::string::npos)
        << game->errors();
    game->signal(SIGTERM);
    EXPECT_EQ(game->wait(15000), 0) << game->errors();
    // The options all on, and the whole table (its bytes are the unit tests' part).
    EXPECT_EQ(folder.read("Options.dat"), std::string(4, '\xFF'));
    EXPECT_EQ(folder.read("HighScores.dat").size(), 220u);
}

// The first signal asks for the orderly end, which waits for the three seconds of the "Next
// Level" screen; a second one does not wait, and nothing is written.
TEST_F(PlayOnX, ASecondInterruptEndsTheProgramAtOnceAndWritesNothing) {
    for (auto [sig, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        auto game = start();
        ASSERT_TRUE(x.key("F1"));
        pause(600);
        game->signal(sig);
        pause(200);
        EXPECT_TRUE(game->running()) << "the first signal waits for the level screen";
        game->signal(sig);
        EXPECT_EQ(game->wait(2000), status) << game->errors();
        EXPECT_FALSE(fs::exists(folder.file("Options.dat")));
        EXPECT_FALSE(fs::exists(folder.file("HighScores.dat")));
    }
}

}  // namespace
}  // namespace vorn

// The start-up procedure's pieces that need no data: the developer word, the frame pacing,
// and which command key calls what.
#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "app/Main.h"
#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn {
namespace {

TEST(DeveloperWord, OnlyTheWholeWordInAnyCase) {
    for (const char* on : {"SANDBOX", "sandbox", "SandBox", "sANDBOx"})
        EXPECT_TRUE(isDeveloperWord(on)) << on;
    for (const char* off : {"", "SANDBOX ", " SANDBOX", "/SANDBOX", "SANDBOX now", "\"SANDBOX\"", "SANDBOXX",
                            "SANDBO", "S ANDBOX", "SANDBOX\t"})
        EXPECT_FALSE(isDeveloperWord(off)) << '[' << off << ']';
}

TEST(FramePacing, SleepsTheRestOfThirtyMillisecondsAndNeverMakesUpForASlowPass) {
    EXPECT_EQ(frameSleep(1000, 1012), 18u);
    EXPECT_EQ(frameSleep(1000, 1000), 30u);
    EXPECT_EQ(frameSleep(1000, 1029), 1u);
    EXPECT_EQ(frameSleep(1000, 1030), 0u);
    EXPECT_EQ(frameSleep(1000, 1100), 0u);

    // The clock wraps: across the sign change of the 32-bit reading and across its end.
    EXPECT_EQ(frameSleep(INT32_MAX - 4, INT32_MIN + 7), 18u);
    EXPECT_EQ(frameSleep(-3, 9), 18u);
    EXPECT_EQ(frameSleep(INT32_MAX - 4, INT32_MIN + 40), 0u);
}

class CommandKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        globals.gGame = game.get();
        form.Load();
    }

    // Presses a key the way the platform delivers it, and returns the messages it caused.
    std::vector<std::string> press(int key) {
        headless.messages.shown.clear();
        headless.window.queueKeyDown(key);
        headless.window.pumpMessages();
        return headless.messages.shown;
    }

    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
    Globals globals;
    frmMain form{headless.window, globals};
};

// Before Initialize every game operation answers with its own "Not initialized." message,
// which tells which operation a key reached.
using Messages = std::vector<std::string>;

TEST_F(CommandKeysTest, TheWindowHasItsCaptionAndF1F2ReachTheGame) {
    EXPECT_EQ(headless.window.caption, "Vorn! version 1.0");
    EXPECT_EQ(press(vk::F1), Messages{"Game - StartGame - Not initialized."});
    EXPECT_EQ(press(vk::F2), Messages{"Game - ShowOptions - Not initialized."});
    EXPECT_FALSE(globals.gExitRequested);
}

TEST_F(CommandKeysTest, EscapeStopsAGameFirstAndEndsTheProgramOnlyFromTheTitle) {
    game->GameState = kPlaying;
    EXPECT_EQ(press(vk::Escape), Messages{"Game - StopGame - Not initialized."});
    EXPECT_FALSE(globals.gExitRequested);

    game->GameState = kTitle;
    EXPECT_EQ(press(vk::Escape), Messages{});
    EXPECT_TRUE(globals.gExitRequested);
}

TEST_F(CommandKeysTest, DeveloperKeysOnlyInDeveloperMode) {
    game->Health = 3;
    game->Level = 4;
    for (int key : {vk::F5, vk::F6, vk::F7}) EXPECT_EQ(press(key), Messages{}) << key;
    EXPECT_EQ(game->Health, 3);
    EXPECT_EQ(game->Level, 4);

    globals.gDevMode = true;
    EXPECT_EQ(press(vk::F5), Messages{"Game - StartNextLevel - Not initialized."});
    EXPECT_EQ(game->Level, 4);
    // With no levels loaded the jump lands on level 1, so the level before it is 0.
    EXPECT_EQ(press(vk::F6), Messages{"Game - StartNextLevel - Not initialized."});
    EXPECT_EQ(game->Level, 0);
    EXPECT_EQ(press(vk::F7), Messages{});
    EXPECT_EQ(game->Health, 10);
}

TEST_F(CommandKeysTest, OtherKeysAndAnUnloadedWindowDoNothing) {
    globals.gDevMode = true;
    game->Health = 3;
    for (int key : {13, 32, 80, 114, 115, 119, 121, 122, 123, 0, 255})
        EXPECT_EQ(press(key), Messages{}) << key;
    EXPECT_EQ(game->Health, 3);
    EXPECT_FALSE(globals.gExitRequested);

    form.Unload();
    EXPECT_EQ(press(vk::F1), Messages{});
    EXPECT_EQ(press(vk::Escape), Messages{});
    EXPECT_FALSE(globals.gExitRequested);
}

}  // namespace
}  // namespace vorn

// The start-up procedure's pieces that need no data: the frame pacing and which command key
// calls what.
#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn {
namespace {

using Messages = std::vector<std::string>;

TEST(FramePacing, SleepsTheRestOfThirtyMillisecondsAndNeverMakesUpForASlowPass) {
    const struct {
        int32_t start, end;
        uint32_t sleep;
    } cases[] = {{1000, 1012, 18},
                 {1000, 1000, 30},
                 {1000, 1029, 1},
                 {1000, 1030, 0},
                 {1000, 1100, 0},
                 // The clock wraps: across the sign change of the 32-bit reading and across its end.
                 {INT32_MAX - 4, INT32_MIN + 7, 18},
                 {-3, 9, 18},
                 {INT32_MAX - 4, INT32_MIN + 40, 0}};
    for (const auto& c : cases) EXPECT_EQ(frameSleep(c.start, c.end), c.sleep) << c.start << " to " << c.end;
}

// Before Initialize every game operation answers with its own "Not initialized." message,
// which tells which operation a key reached.
TEST(CommandKeys, EachKeyReachesItsOperationOnlyWhereItShould) {
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    Game game(headless.platform());
    Globals globals;
    globals.gGame = &game;
    frmMain form(headless.window, globals);
    form.Load();
    EXPECT_EQ(headless.window.caption, "Vorn! version 1.0");

    const Messages none, startNext{"Game - StartNextLevel - Not initialized."};
    struct Case {
        bool devMode;
        int16_t state;
        int key;
        Messages shown;
        bool exits = false;
        int16_t health = 3, level = 4;
    };
    std::vector<Case> cases = {
        {false, kTitle, vk::F1, {"Game - StartGame - Not initialized."}},
        {false, kPlaying, vk::F2, {"Game - ShowOptions - Not initialized."}},
        {false, kPlaying, vk::Escape, {"Game - StopGame - Not initialized."}},
        {false, kTitle, vk::Escape, none, true},
        {false, kPlaying, vk::F5, none},
        {false, kPlaying, vk::F6, none},
        {false, kPlaying, vk::F7, none},
        {true, kPlaying, vk::F5, startNext},
        // With no levels loaded the jump lands on level 1, so the level before it is 0.
        {true, kPlaying, vk::F6, startNext, false, 3, 0},
        {true, kPlaying, vk::F7, none, false, 10, 4},
        // The pad's Start and A are F1 on the title only, its Back is Escape in a game only.
        {false, kTitle, vk::PadStart, {"Game - StartGame - Not initialized."}},
        {false, kTitle, vk::PadA, {"Game - StartGame - Not initialized."}},
        {false, kPlaying, vk::PadStart, none},
        {false, kPlaying, vk::PadA, none},
        {false, kPlaying, vk::PadBack, {"Game - StopGame - Not initialized."}},
        {false, kTitle, vk::PadBack, none},
    };
    for (int other : {13, 32, 80, 114, 119, 122, 0, 255}) cases.push_back({true, kPlaying, other, none});
    for (const Case& c : cases) {
        globals.gDevMode = c.devMode;
        globals.gExitRequested = false;
        game.GameState = c.state;
        game.Health = 3;
        game.Level = 4;
        headless.messages.shown.clear();
        headless.window.queueKeyDown(c.key);
        headless.window.pumpMessages();
        EXPECT_EQ(headless.messages.shown, c.shown) << c.key << (c.devMode ? " in developer mode" : "");
        EXPECT_EQ(globals.gExitRequested, c.exits) << c.key;
        EXPECT_EQ(game.Health, c.health) << c.key;
        EXPECT_EQ(game.Level, c.level) << c.key;
    }

    form.Unload();
    game.GameState = kTitle;
    headless.window.queueKeyDown(vk::Escape);
    headless.window.pumpMessages();
    EXPECT_FALSE(globals.gExitRequested);
}

}  // namespace
}  // namespace vorn

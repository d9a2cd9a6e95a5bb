// The Game from its start-up (every step done, and a stop at the first file or device that
// fails, with exactly one message) to the title screen and play, and the main loop that drives
// it, on the headless platform.
#include <gtest/gtest.h>

#include <memory>

#include "app/Globals.h"
#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "core/Random.h"
#include "devinfo/DevInfo.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

using Messages = std::vector<std::string>;

class RunningTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        test::writeGameFiles(dir);
        test::LevelRows level;
        level.rows[29] = "GGGGGGGGGGGGGGGG";
        dir.write("Levels.txt", test::levelsText(std::vector<test::LevelRows>(12, level)));
        dir.write("LevelNames.txt", test::levelNamesText(12));
        ASSERT_TRUE(game->Initialize(false));
        globals.gGame = game.get();
        form.Load();
    }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
    Globals globals;
    frmMain form{headless.window, globals};
};

TEST_F(RunningTest, StartBeginsAfreshStopBlacksTheScreenAndSoundsNeedSoundEffects) {
    ASSERT_TRUE(game->StartGame());
    game->Level = 6, game->Health = 2, game->Score = 340;
    ASSERT_TRUE(game->StartGame());
    EXPECT_EQ(game->Level, 1);
    EXPECT_EQ(game->Health, 7);
    EXPECT_EQ(game->Score, 0);

    headless.display.primary()->setPixel(400, 300, 0xFFFF);
    game->Score = 120;
    ASSERT_TRUE(game->StopGame());
    EXPECT_EQ(game->GameState, kTitle);
    EXPECT_EQ(headless.display.primary()->pixel(400, 300), 0);
    EXPECT_EQ(game->Score, 120);

    // The developer's jump is held to the loaded levels and does not start a game.
    for (auto [asked, level] : {std::pair{100, 12}, {0, 1}, {-5, 1}, {7, 7}}) {
        game->GotoLevel(static_cast<int16_t>(asked));
        EXPECT_EQ(game->Level, level) << asked;
    }
    EXPECT_EQ(game->GameState, kTitle);

    headless.sound.played.clear();
    game->SoundEffects = 0;
    headless.sound.failPlay = true;
    EXPECT_TRUE(game->playSound(game->SndCrystal));
    EXPECT_EQ(headless.messages.shown, Messages{});
    game->SoundEffects = 1;  // any value but 0 is on
    EXPECT_FALSE(game->playSound(game->SndCrystal));
    EXPECT_EQ(headless.messages.shown, Messages{"VBSE - PlaySound - The sound could not be played."});
    headless.sound.failPlay = false;
    EXPECT_TRUE(game->playSound(game->SndCrystal));
    EXPECT_EQ(headless.sound.played, Messages{"Crystal"});

    // A level that cannot start leaves the title state as it was.
    ASSERT_TRUE(game->StopGame());
    headless.messages.shown.clear();
    headless.sound.failPlay = true;
    EXPECT_FALSE(game->StartGame());
    EXPECT_EQ(game->GameState, kTitle);
    EXPECT_EQ(headless.messages.shown, Messages{"VBSE - PlaySound - The sound could not be played."});
}

TEST_F(RunningTest, TheLoopRunsUntilEscapeFromTheTitleAndSleepsOnlyTheRestOfAPass) {
    // F1 starts a game; the keyboard is read once per pass of play, and the two Escapes queued
    // then reach the window the next pass: one leaves the game, one the program.
    headless.keyboard.beforeSnapshot = [&](HeadlessKeyboard&) {
        headless.window.queueKeyDown(vk::Escape);
        headless.window.queueKeyDown(vk::Escape);
    };
    headless.window.queueKeyDown(vk::F1);
    globals.gExitRequested = true;  // the loop clears it on entry
    const int pumps = headless.window.pumps, snapshots = headless.keyboard.snapshots;
    const uint64_t slept = headless.clock.slept;
    MainLoop loop(headless.platform(), globals);
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(headless.keyboard.snapshots - snapshots, 1);
    EXPECT_EQ(headless.window.pumps - pumps, 2 + 1) << "two passes, and once in the level start";
    EXPECT_EQ(game->GameState, kTitle);
    // The level screen waits three seconds; the title pass took no time, so it sleeps 30 ms.
    EXPECT_EQ(headless.clock.slept - slept, 3000u + 30u);
    EXPECT_EQ(headless.messages.shown, Messages{});

    // Closing the window ends the loop the orderly way after one pass; a failed frame at once.
    headless.window.closed = true;
    EXPECT_TRUE(loop.run());
    EXPECT_EQ(headless.window.pumps - pumps, 4);
    headless.window.closed = false;
    ASSERT_TRUE(game->StartGame());
    headless.keyboard.beforeSnapshot = nullptr;
    headless.keyboard.failRead = true;
    EXPECT_FALSE(loop.run());
    EXPECT_EQ(headless.messages.shown, Messages{"VBIE - GetKeyboardState - The keyboard could not be read."});
}

// The game is paused with Right held in the paused frame's snapshot; `during` is pressed in the
// pause's second pass. The keyboard gives up after a few passes, so a pause that misses its end
// cannot hang the test.
class PausedCommand : public RunningTest {
protected:
    void pauseAndPress(int during) {
        ASSERT_TRUE(game->StartGame());
        game->Level = 6, game->Score = 340, game->Health = 2;
        headless.keyboard.snapshots = 0;
        headless.keyboard.beforeSnapshot = [this, during](HeadlessKeyboard& k) {
            k.releaseAll();
            k.press(key::P);
            if (k.snapshots == 0) k.press(key::Right);
            if (k.snapshots == 1) headless.window.queueKeyDown(during);
            k.failRead = k.snapshots > 5;
        };
    }
};

// Escape and the keys that start another level end the pause and the paused frame, whose Right
// then moves nothing; the options and F7 leave the pause in place, so only the keyboard giving
// up ends it (P stays down throughout).
TEST_F(PausedCommand, CommandsThatLeaveTheLevelEndThePauseAndTheOthersLeaveItInPlace) {
    globals.gDevMode = true;
    struct Case {
        int key;
        int16_t state;
        int level, score, health, snapshots;
    };
    const Case cases[] = {{vk::F1, kPlaying, 1, 0, 7, 2},    {vk::F5, kPlaying, 7, 340, 2, 2},
                          {vk::F6, kPlaying, 12, 340, 2, 2}, {vk::F2, kPlaying, 6, 340, 2, 6},
                          {vk::F7, kPlaying, 6, 340, 10, 6}, {vk::Escape, kTitle, 6, 340, 2, 2}};
    for (const Case& c : cases) {
        pauseAndPress(c.key);
        headless.messages.shown.clear();
        ASSERT_TRUE(game->DoFrame());
        EXPECT_EQ(headless.keyboard.snapshots, c.snapshots) << c.key;
        EXPECT_EQ(game->GameState, c.state) << c.key;
        EXPECT_EQ((std::vector<int>{game->Level, game->Score, game->Health}),
                  (std::vector<int>{c.level, c.score, c.health}))
            << c.key;
        // The paused frame held Right; a new level's character has not moved.
        EXPECT_TRUE(c.snapshots == 6 || game->CharVelX == 0.0f) << c.key;
        EXPECT_EQ(headless.messages.shown,
                  c.snapshots == 6 ? Messages{"VBIE - GetKeyboardState - The keyboard could not be read."}
                                   : Messages{})
            << c.key;
    }
    EXPECT_EQ(headless.dialogs.runs, 1) << "F2 opened the options";

    // After Escape the next pass of the loop draws the title; a second Escape ends the program.
    const int presents = headless.display.presents, pumps = headless.window.pumps;
    headless.window.queueKeyDown(vk::Escape);
    ASSERT_TRUE(MainLoop(headless.platform(), globals).run());
    EXPECT_EQ(headless.window.pumps - pumps, 1);
    EXPECT_GT(headless.display.presents, presents) << "the title was shown";
}

// A folder of stand-in files, a headless platform and a Game on it.
struct Startup {
    Startup() {
        headless.messages.echoToStderr = false;
        test::writeGameFiles(dir);
    }
    bool initialize(bool devMode = false) const { return game->Initialize(devMode); }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
};

TEST(StartupTest, InitializeLoadsEverythingAndReachesTheTitleState) {
    Startup s;
    s.headless.clock.seed = 4242;
    ASSERT_TRUE(s.initialize());
    s.game->abandonWithoutSaving();
    EXPECT_EQ(s.headless.messages.shown, Messages{});
    EXPECT_TRUE(s.game->Initialized);
    EXPECT_EQ(s.game->GameState, kTitle);
    EXPECT_EQ(s.headless.cursor.count, -1) << "the pointer is hidden once";
    EXPECT_EQ(s.headless.window.pumps, 1) << "messages are handled once, before the loading picture";
    EXPECT_GE(s.headless.display.presents, 1) << "the loading picture is shown at once";
    EXPECT_FALSE(s.game->FrameRateInfo);
    Random expected(4242);
    EXPECT_EQ(s.game->Rng.next32(), expected.next32()) << "seeded from the clock";
    EXPECT_TRUE(s.game->SurfLoading && s.game->SurfBombExit && s.game->SndInvulnerability);
    EXPECT_EQ(s.headless.sound.loads.size(), test::kSoundNames.size());
    EXPECT_EQ(s.game->LevelCount, 5);
    EXPECT_EQ(s.game->HighScores[0].Score, 10000);

    Startup dev;
    ASSERT_TRUE(dev.initialize(true));
    dev.game->abandonWithoutSaving();
    EXPECT_TRUE(dev.game->DevMode);
    EXPECT_TRUE(dev.game->FrameRateInfo);
}

// With the first missing file and every file after it gone, a start-up that went on past the
// first would show more than one message.
TEST(StartupTest, StopsAtTheFirstMissingPictureOrSoundWithOneMessage) {
    for (size_t first = 0; first < test::kBitmapNames.size(); ++first) {
        Startup s;
        for (size_t i = first; i < test::kBitmapNames.size(); ++i) s.dir.remove(test::kBitmapNames[i]);
        const std::string& name = test::kBitmapNames[first];
        EXPECT_FALSE(s.initialize()) << name;
        EXPECT_EQ(s.headless.messages.shown, Messages{"VBGE - LoadBitmap - File not found - " + name});
        EXPECT_FALSE(s.game->Initialized);
        EXPECT_EQ(s.game->GameState, kNotInitialized);
        EXPECT_EQ(s.game->LevelCount, 0) << "the levels load after the pictures";
    }
    for (size_t first = 0; first < test::kSoundNames.size(); ++first) {
        Startup s;
        for (size_t i = first; i < test::kSoundNames.size(); ++i) s.dir.remove(test::kSoundNames[i]);
        const std::string& name = test::kSoundNames[first];
        EXPECT_FALSE(s.initialize()) << name;
        EXPECT_EQ(s.headless.messages.shown, Messages{"VBSE - LoadSound - File not found"}) << name;
        ASSERT_FALSE(s.headless.sound.loads.empty());
        EXPECT_EQ(s.headless.sound.loads.back().first, name);
        EXPECT_TRUE(s.game->SurfLoading) << "the loading picture comes first";
        EXPECT_FALSE(s.game->SurfBackground) << "the other pictures come after the sounds";
        EXPECT_FALSE(s.game->Initialized);
    }
}

TEST(StartupTest, AFailingDeviceOrLevelFileEndsStartUpWithOnlyItsOwnMessage) {
    Startup keyboard, display, levels;
    keyboard.headless.keyboard.failOpen = true;
    EXPECT_FALSE(keyboard.initialize());
    EXPECT_EQ(keyboard.headless.messages.shown,
              Messages{"VBIE - Initialize - The keyboard could not be opened."});
    EXPECT_FALSE(keyboard.headless.display.primary()) << "the display is not taken";

    display.headless.display.failOpen = true;
    EXPECT_FALSE(display.initialize());
    EXPECT_EQ(display.headless.messages.shown,
              Messages{"VBGE - Initialize - The display mode is not supported."});
    EXPECT_FALSE(display.game->SurfLoading);

    levels.dir.write("Levels.txt", test::separatorLine() + "\r\n\r\n");
    EXPECT_FALSE(levels.initialize());
    EXPECT_EQ(levels.headless.messages.shown,
              Messages{"Game - LoadLevels - Level file line length invalid."});
    EXPECT_TRUE(levels.game->SurfBombExit) << "the pictures were loaded before";
    EXPECT_FALSE(levels.game->Initialized);
}

}  // namespace
}  // namespace vorn

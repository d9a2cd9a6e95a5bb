// The Game between the title screen and play, and the main loop and start-up procedure
// that drive it, on the headless platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/Globals.h"
#include "app/Main.h"
#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

using Messages = std::vector<std::string>;

TEST(Lifecycle, EveryOperationThatNeedsInitializeSaysSo) {
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    auto game = std::make_unique<Game>(headless.platform());
    EXPECT_FALSE(game->StartGame());
    EXPECT_FALSE(game->StopGame());
    EXPECT_FALSE(game->StartNextLevel());
    EXPECT_FALSE(game->DrawFrame());
    EXPECT_FALSE(game->DoFrame());
    EXPECT_EQ(headless.messages.shown,
              (Messages{"Game - StartGame - Not initialized.", "Game - StopGame - Not initialized.",
                        "Game - StartNextLevel - Not initialized.", "Game - DrawFrame - Not initialized.",
                        "Game - DoFrame - Not initialized."}));
    EXPECT_EQ(game->GameState, kNotInitialized);
    EXPECT_FALSE(game->IsRunning());
    EXPECT_EQ(game->Level, 0);
}

class RunningTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        test::writeGameFiles(dir);
        test::LevelRows level;
        level.rows[29] = "GGGGGGGGGGGGGGGG";
        level.rows[25] = "   $            ";
        dir.write("Levels.txt", test::levelsText(std::vector<test::LevelRows>(12, level)));
        dir.write("LevelNames.txt", test::levelNamesText(12));
        ASSERT_TRUE(game->Initialize(headless.window, false));
        globals.gGame = game.get();
        form.Load();
    }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
    Globals globals;
    frmMain form{headless.window, globals};
};

TEST_F(RunningTest, StartAndStopMoveBetweenTitleAndPlay) {
    ASSERT_TRUE(game->StartGame());
    EXPECT_TRUE(game->IsRunning());
    EXPECT_EQ(game->Level, 1);
    EXPECT_EQ(game->Health, 7);
    EXPECT_EQ(game->Score, 0);

    // Starting again during a game begins a new one.
    game->Level = 6;
    game->Health = 2;
    game->Score = 340;
    ASSERT_TRUE(game->StartGame());
    EXPECT_EQ(game->Level, 1);
    EXPECT_EQ(game->Health, 7);
    EXPECT_EQ(game->Score, 0);

    // Stopping blacks the screen at once and keeps score, health and level.
    Surface& primary = *headless.display.primary();
    primary.setPixel(400, 300, 0xFFFF);
    game->Score = 120;
    const int presents = headless.display.presents;
    ASSERT_TRUE(game->StopGame());
    EXPECT_FALSE(game->IsRunning());
    EXPECT_EQ(primary.pixel(400, 300), 0);
    EXPECT_GT(headless.display.presents, presents);
    EXPECT_EQ(game->Score, 120);
    EXPECT_EQ(game->Level, 1);

    ASSERT_TRUE(game->StopGame());
    EXPECT_EQ(game->GameState, kTitle);
    EXPECT_EQ(headless.messages.shown, Messages{});
}

TEST_F(RunningTest, GotoLevelClampsToTheLoadedLevelsAndLeavesTheStateAlone) {
    game->GotoLevel(100);
    EXPECT_EQ(game->Level, 12);
    EXPECT_EQ(game->GameState, kTitle);
    game->GotoLevel(0);
    EXPECT_EQ(game->Level, 1);
    game->GotoLevel(-5);
    EXPECT_EQ(game->Level, 1);
    game->GotoLevel(7);
    EXPECT_EQ(game->Level, 7);
    game->SetCharHealth(-3);
    EXPECT_EQ(game->Health, -3);
    EXPECT_EQ(headless.messages.shown, Messages{});
}

TEST_F(RunningTest, SoundsPlayOnlyWithSoundEffectsOnAndReportAFailedPlay) {
    game->SoundEffects = 0;
    headless.sound.failPlay = true;
    EXPECT_TRUE(game->playSound(game->SndCrystal));
    EXPECT_TRUE(headless.sound.played.empty());
    EXPECT_EQ(headless.messages.shown, Messages{});

    game->SoundEffects = 1;  // any non-zero value is on
    EXPECT_FALSE(game->playSound(game->SndCrystal));
    EXPECT_EQ(headless.messages.shown, Messages{"VBSE - PlaySound - The sound could not be played."});

    headless.sound.failPlay = false;
    EXPECT_TRUE(game->playSound(game->SndCrystal));
    EXPECT_EQ(headless.sound.played, std::vector<std::string>{"Crystal"});
}

TEST_F(RunningTest, AFailedLevelStartLeavesTheTitleState) {
    dir.write("Levels.txt", test::levelsText(std::vector<test::LevelRows>(4)));
    auto small = std::make_unique<Game>(headless.platform());
    ASSERT_TRUE(small->Initialize(headless.window, false));
    headless.messages.shown.clear();
    EXPECT_FALSE(small->StartGame());
    EXPECT_EQ(small->GameState, kTitle);
    ASSERT_EQ(headless.messages.shown.size(), 1u);
    EXPECT_EQ(headless.messages.shown[0].rfind("Game - StartNextLevel - ", 0), 0u);
    small->abandonWithoutSaving();
}

TEST_F(RunningTest, F1DuringAGameStartsOverAndEscapeLeavesItThenTheProgram) {
    // The keyboard is read once per pass of play; what it queues reaches the window next pass.
    int frames = 0;
    headless.keyboard.beforeSnapshot = [&](HeadlessKeyboard&) {
        ++frames;
        if (frames == 1) {
            game->Score = 500;
            headless.window.queueKeyDown(vk::F1);
        }
        if (frames == 2) {
            headless.window.queueKeyDown(vk::Escape);
            headless.window.queueKeyDown(vk::Escape);
        }
    };
    headless.window.queueKeyDown(vk::F1);
    globals.gExitRequested = true;  // the loop clears it on entry
    const int pumps = headless.window.pumps;
    ASSERT_TRUE(MainLoop(headless.platform(), globals).run());
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(headless.window.pumps - pumps, 3 + 2) << "three passes, and once in each level start";
    EXPECT_FALSE(game->IsRunning());
    EXPECT_TRUE(globals.gExitRequested);
    EXPECT_EQ(game->Score, 0) << "F1 during the game started a new one";
    EXPECT_EQ(headless.messages.shown, Messages{});
}

TEST_F(RunningTest, EachQuickPassSleepsTheRestOfItsSlotAndALongOneDoesNot) {
    MainLoop loop(headless.platform(), globals);
    // One pass on the title screen takes no time on the headless clock: it sleeps 30 ms.
    headless.window.queueKeyDown(vk::Escape);
    uint64_t before = headless.clock.slept;
    const int pumps = headless.window.pumps;
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(headless.window.pumps - pumps, 1) << "the pass with Escape is the last";
    EXPECT_EQ(headless.clock.slept - before, 30u);

    // A pass that starts a game waits three seconds on the level screen and sleeps no more.
    headless.window.queueKeyDown(vk::F1);
    headless.keyboard.beforeSnapshot = [&](HeadlessKeyboard&) {
        headless.window.queueKeyDown(vk::Escape);
        headless.window.queueKeyDown(vk::Escape);
    };
    before = headless.clock.slept;
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(headless.clock.slept - before, 3000u + 30u);
}

TEST_F(RunningTest, ClosingTheWindowEndsTheLoopTheOrderlyWay) {
    ASSERT_TRUE(game->StartGame());
    headless.window.closed = true;
    const int pumps = headless.window.pumps;
    EXPECT_TRUE(MainLoop(headless.platform(), globals).run());
    EXPECT_EQ(headless.window.pumps - pumps, 1);
}

TEST_F(RunningTest, AFailedFrameEndsTheLoopAtOnce) {
    MainLoop loop(headless.platform(), globals);
    ASSERT_TRUE(game->StartGame());
    headless.keyboard.failRead = true;
    EXPECT_FALSE(loop.run());
    EXPECT_EQ(headless.messages.shown, Messages{"VBIE - GetKeyboardState - The keyboard could not be read."});

    headless.messages.shown.clear();
    game->Initialized = false;
    const int pumps = headless.window.pumps;
    EXPECT_FALSE(loop.run());
    EXPECT_EQ(headless.window.pumps - pumps, 1);
    EXPECT_EQ(headless.messages.shown, Messages{"Game - DrawFrame - Not initialized."});
}

TEST(Program, EndsTheOrderlyWayWithBothFilesOrAtOnceWithNone) {
    test::DataDir dir(true);
    test::writeGameFiles(dir);
    std::filesystem::current_path("/");
    {
        HeadlessPlatform headless;
        headless.messages.echoToStderr = false;
        headless.window.closed = true;
        EXPECT_EQ(Main(headless.platform(), dir.path(), ""), kExitOrderly);
        EXPECT_EQ(std::filesystem::current_path(), dir.path()) << "the program's folder is made current";
        EXPECT_EQ(headless.window.caption, "Vorn! version 1.0");
        EXPECT_EQ(dir.read("Options.dat"), std::string(4, '\xFF'));
        EXPECT_EQ(dir.read("HighScores.dat").size(), 220u);
    }

    dir.remove("Options.dat");
    dir.remove("HighScores.dat");
    dir.remove("Jump.wav");
    {
        HeadlessPlatform headless;
        headless.messages.echoToStderr = false;
        headless.window.closed = true;
        EXPECT_EQ(Main(headless.platform(), dir.path(), "SANDBOX"), kExitAtOnce);
        EXPECT_EQ(headless.messages.shown, Messages{"VBSE - LoadSound - File not found"});
        EXPECT_FALSE(std::filesystem::exists(dir.file("Options.dat")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("HighScores.dat")));
    }
}

}  // namespace
}  // namespace vorn

// Start-up of the Game on folders made by the test: every step done, and a stop at the first
// file or device that fails with exactly one message.
#include <gtest/gtest.h>

#include <memory>

#include "core/Random.h"
#include "devinfo/DevInfo.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

using Messages = std::vector<std::string>;

// A folder of stand-in files, a headless platform and a Game on it.
struct Startup {
    Startup() {
        headless.messages.echoToStderr = false;
        test::writeGameFiles(dir);
    }
    bool initialize(bool devMode = false) { return game->Initialize(devMode); }

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

// Start-up of the Game on folders made by the test: every step in order, a stop at the first
// missing file with exactly one message, and the two files written only by an orderly end.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/Random.h"
#include "devinfo/DevInfo.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

// The pictures in the order they load, with the member each must land in.
const std::vector<std::pair<std::string, SurfaceRef Game::*>> kPictures = {
    {"Loading.bmp", &Game::SurfLoading},
    {"Background.bmp", &Game::SurfBackground},
    {"GetReady.bmp", &Game::SurfGetReady},
    {"Congrat.bmp", &Game::SurfCongrat},
    {"GameOver.bmp", &Game::SurfGameOver},
    {"Title.bmp", &Game::SurfTitle},
    {"Platform.bmp", &Game::SurfPlatform},
    {"Character.bmp", &Game::SurfCharacter},
    {"Invulnerable.bmp", &Game::SurfInvulnerable},
    {"Crystal.bmp", &Game::SurfCrystal},
    {"HighJump.bmp", &Game::SurfHighJump},
    {"ExtraSpeed.bmp", &Game::SurfExtraSpeed},
    {"ExtraHealth.bmp", &Game::SurfExtraHealth},
    {"Dovi.bmp", &Game::SurfDovi},
    {"Shoot.bmp", &Game::SurfShoot},
    {"NormalBomb.bmp", &Game::SurfNormalBomb},
    {"HotBomb.bmp", &Game::SurfHotBomb},
    {"HitBomb.bmp", &Game::SurfHitBomb},
    {"AmmoBall.bmp", &Game::SurfAmmoBall},
    {"BombExit.bmp", &Game::SurfBombExit}};

const std::vector<std::pair<std::string, SoundRef Game::*>> kSounds = {
    {"Shoot.wav", &Game::SndShoot},
    {"Boing.wav", &Game::SndBoing},
    {"GetReady.wav", &Game::SndGetReady},
    {"GameOver.wav", &Game::SndGameOver},
    {"Hit.wav", &Game::SndHit},
    {"Powerup.wav", &Game::SndPowerup},
    {"Crystal.wav", &Game::SndCrystal},
    {"BombHit.wav", &Game::SndBombHit},
    {"HitBomb.wav", &Game::SndHitBomb},
    {"Explosion.wav", &Game::SndExplosion},
    {"Teleport.wav", &Game::SndTeleport},
    {"Jump.wav", &Game::SndJump},
    {"ExtraHealth.wav", &Game::SndExtraHealth},
    {"Speed.wav", &Game::SndSpeed},
    {"HyperJump.wav", &Game::SndHyperJump},
    {"BallBlaster.wav", &Game::SndBallBlaster},
    {"Invulnerability.wav", &Game::SndInvulnerability}};

using Messages = std::vector<std::string>;

// A folder of stand-in files, a headless platform and a Game on it.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        test::writeGameFiles(dir);
    }
    bool initialize(bool devMode = false) { return game->Initialize(headless.window, devMode); }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
};

TEST_F(StartupTest, InitializeRunsEveryStepAndReachesTheTitleState) {
    headless.clock.seed = 4242;
    ASSERT_TRUE(initialize());
    EXPECT_EQ(headless.messages.shown, Messages{});
    EXPECT_TRUE(game->Initialized);
    EXPECT_EQ(game->GameState, kTitle);
    EXPECT_FALSE(game->IsRunning());
    EXPECT_EQ(game->MainForm, &headless.window);
    EXPECT_EQ(headless.cursor.count, -1) << "the pointer is hidden once";
    EXPECT_EQ(headless.window.pumps, 1) << "messages are handled once, before the loading picture";
    EXPECT_GE(headless.display.presents, 1) << "the loading picture is shown at once";
    EXPECT_FALSE(game->FrameRateInfo);
    EXPECT_FALSE(game->DevMode);

    Random expected(4242);
    EXPECT_EQ(game->Rng.next32(), expected.next32()) << "seeded from the clock";

    for (const auto& [name, member] : kPictures) EXPECT_TRUE((*game).*member) << name;
    ASSERT_EQ(headless.sound.loads.size(), kSounds.size());
    const bool highQuality[] = {false, false, true,  false, false, false, false, false, false,
                                false, false, false, true,  true,  true,  true,  true};
    for (size_t i = 0; i < kSounds.size(); ++i) {
        EXPECT_EQ(headless.sound.loads[i].first, kSounds[i].first);
        EXPECT_EQ(headless.sound.loads[i].second, highQuality[i]) << kSounds[i].first;
        EXPECT_TRUE((*game).*kSounds[i].second) << kSounds[i].first;
    }
    EXPECT_EQ(game->LevelCount, 5);

    EXPECT_EQ(game->FontMedium.name(), "Comic Sans MS");
    EXPECT_EQ(game->FontMedium.size(), 12);
    EXPECT_EQ(game->FontLarge.name(), "Comic Sans MS");
    EXPECT_EQ(game->FontLarge.size(), 16);
    EXPECT_EQ(game->FontSmall.name(), "Comic Sans MS");
    EXPECT_EQ(game->FontSmall.size(), 8);
}

TEST_F(StartupTest, DeveloperModeBringsTheFrameRateOverlay) {
    ASSERT_TRUE(initialize(true));
    EXPECT_TRUE(game->DevMode);
    EXPECT_TRUE(game->FrameRateInfo);
}

TEST(Startup, StopsAtTheFirstMissingPictureWithOneMessageNamingIt) {
    for (size_t missing = 0; missing < kPictures.size(); ++missing) {
        const std::string& name = kPictures[missing].first;
        test::DataDir dir(true);
        test::writeGameFiles(dir);
        dir.remove(name);
        HeadlessPlatform headless;
        headless.messages.echoToStderr = false;
        auto game = std::make_unique<Game>(headless.platform());

        EXPECT_FALSE(game->Initialize(headless.window, false)) << name;
        EXPECT_EQ(headless.messages.shown, Messages{"VBGE - LoadBitmap - File not found - " + name});
        for (size_t i = 0; i < kPictures.size(); ++i)
            EXPECT_EQ(static_cast<bool>((*game).*kPictures[i].second), i < missing)
                << kPictures[i].first << " with " << name << " missing";
        EXPECT_FALSE(game->Initialized);
        EXPECT_EQ(game->GameState, kNotInitialized);
        EXPECT_EQ(game->LevelCount, 0) << "the levels load after the pictures";
    }
}

TEST(Startup, StopsAtTheFirstMissingSoundWithOneMessage) {
    for (size_t missing = 0; missing < kSounds.size(); ++missing) {
        const std::string& name = kSounds[missing].first;
        test::DataDir dir(true);
        test::writeGameFiles(dir);
        dir.remove(name);
        HeadlessPlatform headless;
        headless.messages.echoToStderr = false;
        auto game = std::make_unique<Game>(headless.platform());

        EXPECT_FALSE(game->Initialize(headless.window, false)) << name;
        EXPECT_EQ(headless.messages.shown, Messages{"VBSE - LoadSound - File not found"}) << name;
        ASSERT_EQ(headless.sound.loads.size(), missing + 1) << "nothing after " << name << " is tried";
        EXPECT_EQ(headless.sound.loads.back().first, name);
        for (size_t i = 0; i < kSounds.size(); ++i)
            EXPECT_EQ(static_cast<bool>((*game).*kSounds[i].second), i < missing) << kSounds[i].first;
        EXPECT_TRUE(game->SurfLoading) << "the loading picture comes first";
        EXPECT_FALSE(game->SurfBackground) << "the other pictures come after the sounds";
        EXPECT_FALSE(game->Initialized);
    }
}

TEST_F(StartupTest, AFailingEngineEndsStartUpWithOnlyItsOwnMessage) {
    headless.keyboard.failOpen = true;
    EXPECT_FALSE(initialize());
    EXPECT_EQ(headless.messages.shown, Messages{"VBIE - Initialize - The keyboard could not be opened."});
    EXPECT_FALSE(headless.display.primary()) << "the display is not taken";
    EXPECT_TRUE(headless.sound.loads.empty());

    HeadlessPlatform second;
    second.messages.echoToStderr = false;
    second.display.failOpen = true;
    auto other = std::make_unique<Game>(second.platform());
    EXPECT_FALSE(other->Initialize(second.window, false));
    EXPECT_EQ(second.messages.shown, Messages{"VBGE - Initialize - The display mode is not supported."});
    EXPECT_FALSE(other->SurfLoading);
    EXPECT_FALSE(other->Initialized);
}

TEST_F(StartupTest, ABrokenLevelFileEndsStartUpWithItsMessage) {
    dir.write("Levels.txt", test::separatorLine() + "\r\n\r\n");
    EXPECT_FALSE(initialize());
    EXPECT_EQ(headless.messages.shown, Messages{"Game - LoadLevels - Level file line length invalid."});
    EXPECT_TRUE(game->SurfBombExit) << "the pictures were loaded before";
    EXPECT_FALSE(game->Initialized);
}

TEST_F(StartupTest, OnlyAnOrderlyEndWritesTheOptionsAndTheHighScores) {
    // A run that never got going writes nothing.
    dir.remove("Title.bmp");
    EXPECT_FALSE(initialize());
    game.reset();
    EXPECT_FALSE(std::filesystem::exists(dir.file("Options.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("HighScores.dat")));

    // A run that ends at once writes nothing either.
    test::writeGameFiles(dir);
    game = std::make_unique<Game>(headless.platform());
    ASSERT_TRUE(initialize());
    game->abandonWithoutSaving();
    game.reset();
    EXPECT_FALSE(std::filesystem::exists(dir.file("Options.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("HighScores.dat")));

    // An orderly end writes both, even when no game was played.
    game = std::make_unique<Game>(headless.platform());
    ASSERT_TRUE(initialize());
    game.reset();
    EXPECT_EQ(dir.read("Options.dat"), std::string(4, '\xFF'));
    EXPECT_EQ(dir.read("HighScores.dat").size(), 220u);
}

}  // namespace
}  // namespace vorn

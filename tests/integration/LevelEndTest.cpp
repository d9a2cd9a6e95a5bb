// The end of a level: cleared by the last crystal or by Dovi, the 100-frame count-down during
// which the world goes on without the character, death, and the end of the game.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

// A picture of one colour, so the screen shows which one was put up.
SurfaceRef plainPicture(uint32_t colour) {
    auto s = std::make_shared<Surface>(100, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) s->setPixel(x, y, toRgb565(colour));
    return s;
}

class LevelEnd : public ::testing::Test {
protected:
    LevelEnd() {
        game.SurfCongrat = plainPicture(kCongrat);
        game.SurfGameOver = plainPicture(kGameOver);
        // A table no score of these tests enters.
        for (HighScoreEntry& e : game.HighScores) e.Score = 30000;
    }
    // Row 28 holds items on the floor of row 29; the character stands at x 360 by column 7.
    void start(const std::string& row28, const std::string& row0 = "") {
        Grid grid = PlayFixture::emptyGrid();
        grid[0] = row0;
        grid[28] = row28;
        grid[29] = "GGGGGGGGGGGGGGGG";
        ASSERT_TRUE(play.startLevel(1, grid));
        play.clearBombs();
        play.standOn(play.platformAt(29, 7), 360.0f);
        play.played().clear();
    }
    // A bomb waiting right on the character: waiting bombs still touch.
    void bombOnCharacter() {
        game.BombCount = 1;
        game.Bombs[0] = BombRec{};
        game.Bombs[0].X = game.CharX;
        game.Bombs[0].Y = game.CharY;
        game.Bombs[0].Delay = 1000;
    }
    uint16_t screenCentre() { return play.host.display.primary()->pixel(400, 300); }

    static constexpr uint32_t kCongrat = rgb(255, 0, 255), kGameOver = rgb(0, 255, 255);
    PlayFixture play;
    Game& game = play.game;
};

TEST_F(LevelEnd, TheLastCrystalEndsTheLevelAndAHundredFramesLaterTheNextStarts) {
    start("       $", "$");
    game.Items[0].Left = 800;  // the far crystal was taken before
    game.Items[0].Right = 840;
    game.CrystalsTaken = 1;
    game.Health = 4;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.CrystalsTaken, 2);
    EXPECT_EQ(game.EndDelay, 99) << "set to 100 and counted down in the same frame";
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Crystal", "Teleport"}));
    const ParticleSystem* teleport = nullptr;
    for (const ParticleSystem& s : game.ParticleSystems)
        if (s.Active && s.Picture == game.SurfCharacter.get()) teleport = &s;
    ASSERT_NE(teleport, nullptr);
    EXPECT_EQ(teleport->OriginX, 360.0f);
    EXPECT_EQ(teleport->OriginY, 546.0f);

    ASSERT_TRUE(play.frames(98));
    EXPECT_EQ(game.EndDelay, 1);
    EXPECT_EQ(game.Level, 1);
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.Level, 2);
    EXPECT_EQ(game.EndDelay, 0);
    EXPECT_EQ(game.Health, 4);
    EXPECT_EQ(game.GameState, kPlaying);
    EXPECT_EQ(play.played().back(), "GetReady");
}

TEST_F(LevelEnd, ALevelWithoutCrystalsIsClearedInItsFirstFrame) {
    start("");
    ASSERT_EQ(game.CrystalCount, 0);
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.EndDelay, 99);
}

TEST_F(LevelEnd, WhileTheLevelEndsTheWorldGoesOnWithoutTheCharacter) {
    start("       >");
    game.EndDelay = 50;
    game.BombCount = 1;
    game.Bombs[0] = BombRec{};
    game.Bombs[0].X = 100.0f;
    game.Bombs[0].Y = 100.0f;
    game.Bombs[0].VelX = 6.0f;
    game.ShotDelay = 3;
    game.SpeedTime = 10;
    game.InvulnerableTime = 0;
    ASSERT_TRUE(play.frames(2, {key::Right, key::Up}));
    EXPECT_EQ(game.CharX, 360.0f) << "frozen";
    EXPECT_EQ(game.CharY, 546.0f);
    EXPECT_EQ(game.Items[0].Left, 355) << "nothing is picked up";
    EXPECT_EQ(game.SpeedTime, 8) << "power-ups run down";
    EXPECT_EQ(game.ShotDelay, 3) << "the fire delay does not";
    EXPECT_NE(game.Bombs[0].X, 100.0f) << "bombs roll on";
    EXPECT_EQ(game.EndDelay, 48);

    // Nor can a bomb hurt it.
    bombOnCharacter();
    game.Health = 3;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.Health, 3);
}

TEST_F(LevelEnd, ReachingDoviEndsTheGameWithTheCongratulations) {
    start("  $    C", "");
    ASSERT_TRUE(game.LevelHasDovi);
    game.CharX = 100.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.CrystalsTaken, game.CrystalCount);
    EXPECT_EQ(game.EndDelay, 0) << "crystals do not end a level with Dovi";

    game.CharX = 360.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_TRUE(game.DoviRescued);
    EXPECT_EQ(game.EndDelay, 99);
    play.played().clear();
    const uint64_t slept = play.host.clock.slept;
    ASSERT_TRUE(play.frames(98));
    // The last frame with the sound failing, so the picture stays up for a look.
    play.host.sound.failPlay = true;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(screenCentre(), toRgb565(kCongrat));
    EXPECT_EQ(game.GameState, kPlaying);

    // And in full: the sound, the three seconds, and back to the title.
    play.host.sound.failPlay = false;
    game.EndDelay = 1;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.GameState, kTitle);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"GameOver"}));
    EXPECT_EQ(play.host.clock.slept, slept + 3000);
}

TEST_F(LevelEnd, LosingTheLastHealthPointEndsTheGameEvenOnADoviLevel) {
    for (const std::string row : {"", "C"}) {
        SCOPED_TRACE(row);
        start(row, "$");
        game.Health = 1;
        game.CharX = 600.0f;
        bombOnCharacter();
        ASSERT_TRUE(play.frames(1));
        EXPECT_EQ(game.Health, 0);
        EXPECT_EQ(game.EndDelay, 99);
        EXPECT_FALSE(std::ranges::any_of(game.ParticleSystems, [&](const ParticleSystem& s) {
            return s.Picture == game.SurfCharacter.get();
        })) << "no teleport";
        ASSERT_TRUE(play.frames(98));
        play.host.sound.failPlay = true;
        ASSERT_TRUE(play.frames(1));
        play.host.sound.failPlay = false;
        EXPECT_EQ(screenCentre(), toRgb565(kGameOver));
    }
}

TEST_F(LevelEnd, TheEndOfTheGameOffersTheScoreAndStopsEarlyWhenItsSoundFails) {
    start("", "$");
    game.HighScores[9].Score = 10;
    game.Score = 20;
    play.host.dialogs.script = [](Dialog& d) {
        d.find("txtName")->text = "Me";
        d.onClick("cmdOK");
    };
    game.Health = 0;
    game.EndDelay = 1;
    play.host.sound.failPlay = true;
    const uint64_t slept = play.host.clock.slept;
    EXPECT_TRUE(play.frames(1));
    EXPECT_EQ(game.HighScores[9].Score, 20);
    EXPECT_EQ(game.HighScores[9].Name.substr(0, 3), "Me ");
    EXPECT_EQ(screenCentre(), toRgb565(kGameOver)) << "the picture went up before the sound";
    EXPECT_EQ(game.GameState, kPlaying) << "no StopGame after the failed sound";
    EXPECT_EQ(play.host.clock.slept, slept);
}

TEST_F(LevelEnd, DeveloperModeDoesNotHoldTheEndScreen) {
    PlayFixture dev(true);
    Grid grid = PlayFixture::emptyGrid();
    grid[0] = "$";
    ASSERT_TRUE(dev.startLevel(1, grid));
    for (HighScoreEntry& e : dev.game.HighScores) e.Score = 30000;
    dev.game.Health = 0;
    dev.game.EndDelay = 1;
    const uint64_t slept = dev.host.clock.slept;
    ASSERT_TRUE(dev.frames(1));
    EXPECT_EQ(dev.game.GameState, kTitle);
    EXPECT_EQ(dev.host.clock.slept, slept);
}

}  // namespace
}  // namespace vorn::test

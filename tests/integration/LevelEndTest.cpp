// The end of a level: the 100-frame count-down during which the world goes on without the
// character, Dovi, death by a bomb or by the net below the floor, and the end of the game. (A
// level cleared by its last crystal, the next one starting, and the character's movement are in
// the golden runs.)
#include <gtest/gtest.h>

#include <algorithm>

#include "forms/frmHighScore.h"
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
        ASSERT_TRUE(
            play.startBare(PlayFixture::gridOf({{0, row0}, {28, row28}, {29, std::string(16, 'G')}})));
        play.standOn(play.platformAt(29, 7), 360.0f);
    }
    // A bomb waiting right on the character: waiting bombs still touch.
    void bombOnCharacter() {
        game.BombCount = 1;
        game.Bombs[0] = BombRec{.X = game.CharX, .Y = game.CharY, .Delay = 1000};
    }
    // Runs out the count-down, the last frame with the sound failing so the end picture stays up.
    void lastFrames() {
        ASSERT_TRUE(play.frames(98));
        play.host.sound.failPlay = true;
        ASSERT_TRUE(play.frames(1));
        play.host.sound.failPlay = false;
    }
    uint16_t screenCentre() { return play.host.display.primary()->pixel(400, 300); }

    static constexpr uint32_t kCongrat = rgb(255, 0, 255), kGameOver = rgb(0, 255, 255);
    PlayFixture play;
    Game& game = play.game;
};

TEST_F(LevelEnd, WhileTheLevelEndsTheWorldGoesOnWithoutTheCharacter) {
    start("       >");
    game.EndDelay = 50;
    game.BombCount = 1;
    game.Bombs[0] = BombRec{.VelX = 6.0f, .X = 100.0f};
    game.ShotDelay = 3;
    game.CharPose = 5;
    game.SpeedTime = game.InvulnerableTime = game.BallBlasterTime = 10;
    ASSERT_TRUE(play.frames(2, {key::Right, key::Up}));
    EXPECT_EQ(game.CharX, 360.0f) << "frozen";
    EXPECT_EQ(game.CharY, 546.0f);
    EXPECT_EQ(game.CharPose, 5);
    EXPECT_EQ(game.Items[0].Left, 355) << "nothing is picked up";
    EXPECT_EQ(game.SpeedTime + game.InvulnerableTime + game.BallBlasterTime, 3 * 8) << "power-ups run down";
    EXPECT_EQ(game.ShotDelay, 3) << "the fire delay does not";
    EXPECT_EQ(game.Bombs[0].X, 112.0f) << "bombs roll on";
    EXPECT_EQ(game.EndDelay, 48);

    // Nor can a bomb hurt it.
    game.InvulnerableTime = 0;
    bombOnCharacter();
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.Health, 7);

    // A level without crystals is cleared in its first frame.
    start("");
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.EndDelay, 99);
}

TEST_F(LevelEnd, ReachingDoviEndsTheGameWithTheCongratulationsAndTheScoreIsOffered) {
    start("  $    C");
    ASSERT_TRUE(game.LevelHasDovi);
    game.CharX = 100.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.CrystalsTaken, game.CrystalCount);
    EXPECT_EQ(game.EndDelay, 0) << "crystals do not end a level with Dovi";

    game.CharX = 360.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.EndDelay, 99);
    lastFrames();
    EXPECT_EQ(screenCentre(), toRgb565(kCongrat));
    EXPECT_EQ(game.GameState, kPlaying) << "no StopGame after the failed sound";

    // And in full: the score offered, the sound, the three seconds, and back to the title.
    game.HighScores[9].Score = 10;
    game.Score = 20;
    play.host.dialogs.script = [](Dialog& d) {
        d.control(frmHighScore::kName).text = "Me";
        d.onClick(frmHighScore::kOK);
    };
    play.played().clear();
    const uint64_t slept = play.host.clock.slept;
    game.EndDelay = 1;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.HighScores[9].Name.substr(0, 3), "Me ");
    EXPECT_EQ(game.GameState, kTitle);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"GameOver"}));
    EXPECT_EQ(play.host.clock.slept, slept + 3000);
}

// Also on a level with Dovi, and also when F5 starts the next level or F6 the last one while
// the count-down after the last health point runs.
TEST_F(LevelEnd, LosingTheLastHealthPointEndsTheGameEvenOnADoviLevelOrALevelSkippedTo) {
    for (const std::string skip : {"", "Dovi", "F5", "F6"}) {
        SCOPED_TRACE(skip);
        start(skip == "Dovi" ? "C" : "", "$");
        game.Health = 1;
        game.CharX = 600.0f;
        bombOnCharacter();
        ASSERT_TRUE(play.frames(1));
        EXPECT_EQ(game.Health, 0);
        EXPECT_EQ(game.EndDelay, 99);
        EXPECT_FALSE(std::ranges::any_of(game.ParticleSystems, [&](const ParticleSystem& s) {
            return s.Picture == game.SurfCharacter.get();
        })) << "no teleport";
        if (skip.starts_with("F")) {
            if (skip == "F6")
                game.GotoLevel(100);
            else
                ASSERT_TRUE(game.StartNextLevel());
            EXPECT_EQ(game.Health, 1) << "a level is never started without health";
            bombOnCharacter();
            ASSERT_TRUE(play.frames(1));
            EXPECT_EQ(game.Health, 0);
            EXPECT_EQ(game.EndDelay, 99);
        }
        lastFrames();
        EXPECT_EQ(screenCentre(), toRgb565(kGameOver));
    }
}

// The net that catches a fall through the floor costs a health point and puts the character back
// at the start; the last one ends the game as a bomb would.
TEST_F(LevelEnd, AFallThroughTheFloorCostsAHealthPointAndRestarts) {
    ASSERT_TRUE(play.startBare(PlayFixture::gridOf({{0, "$"}})));
    game.Health = 3;
    game.CharX = 300.0f;
    ASSERT_GT(play.framesUntil([&] { return game.Health != 3; }, 60), 0);
    EXPECT_EQ(game.Health, 2);
    EXPECT_EQ((std::vector<float>{game.CharX, game.CharY, game.CharVelY}), (std::vector<float>{5, 534, 0}));
    EXPECT_EQ(game.CharInAir + game.EndDelay, 0);

    // A fall too fast for the landing rule passes a platform and the floor alike.
    ASSERT_TRUE(
        play.startBare(PlayFixture::gridOf({{0, "$"}, {25, "       M"}, {29, std::string(16, 'G')}})));
    game.Health = 1;
    game.CharInAir = 1;
    game.CharX = 355.0f;
    game.CharY = 465.0f;
    game.CharVelY = 40.0f;
    ASSERT_EQ(play.framesUntil([&] { return game.Health == 0; }, 5), 4);
    EXPECT_EQ(game.EndDelay, 99);
}

}  // namespace
}  // namespace vorn::test

// Laying a level out: scenery, platforms, items and bombs from the grid, and the "Next Level"
// screen with its sound and its wait. The end of a level: the 100-frame count-down during which
// the world goes on without the character, Dovi, death by a bomb or by the net below the floor,
// and the end of the game. (A level cleared by its last crystal, the next one starting, and the
// character's movement are in the golden runs.)
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

class LevelStart : public ::testing::Test {
protected:
    std::vector<int> sceneriesOfNextStarts(int levels, int starts) {
        play.useLevels(levels, PlayFixture::emptyGrid());
        game.Level = 0;
        std::vector<int> sceneries;
        for (int i = 0; i < starts; ++i) {
            EXPECT_TRUE(game.StartNextLevel());
            sceneries.push_back(game.Scenery);
        }
        return sceneries;
    }
    static Rect rectOf(const auto& r) { return Rect{r.Left, r.Top, r.Right, r.Bottom}; }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(LevelStart, SceneryComesFromTheLevelNumberBeforeItWrapsRound) {
    EXPECT_EQ(sceneriesOfNextStarts(12, 14), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 1}));
    EXPECT_EQ(game.Level, 2);
    const std::vector<int> fifty = sceneriesOfNextStarts(50, 52);
    EXPECT_EQ((std::vector<int>{fifty[9], fifty[10], fifty[49], fifty[50], fifty[51]}),
              (std::vector<int>{1, 2, 5, 6, 1}))
        << "levels 10, 11, 50, then the wrap to level 1 and level 2";

    // Fewer than five levels: a background each, and one more on the wrap, as for fifty.
    EXPECT_EQ(sceneriesOfNextStarts(4, 6), (std::vector<int>{1, 2, 3, 4, 5, 2}));
    EXPECT_EQ(sceneriesOfNextStarts(1, 3), (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(game.Level, 1);
}

TEST_F(LevelStart, DoviStandsLowerThanOtherItemsAndOnlyOnHisLevel) {
    // Dovi stands 10 pixels lower than any other item; the next level forgets it again.
    ASSERT_TRUE(play.startLevel(2, PlayFixture::gridOf({{28, "   C"}})));
    EXPECT_EQ(rectOf(game.Items[0]), (Rect{155, 553, 195, 588}));
    EXPECT_TRUE(game.LevelHasDovi);
    EXPECT_EQ(game.CrystalCount, 0);
    game.DoviRescued = true;
    ASSERT_TRUE(play.startLevel(3, PlayFixture::emptyGrid()));
    EXPECT_FALSE(game.LevelHasDovi || game.DoviRescued);
    EXPECT_EQ(game.ItemCount, 0);
}

TEST_F(LevelStart, BombsComeTwoMoreEveryFourLevelsAndEnterOneByOne) {
    play.useLevels(50, PlayFixture::emptyGrid());
    const std::pair<int, int> counts[] = {{1, 2}, {4, 2}, {5, 4}, {8, 4}, {9, 6}, {49, 26}, {50, 26}};
    for (auto [level, bombs] : counts) {
        ASSERT_TRUE(play.startLevel(level));
        EXPECT_EQ(game.BombCount, bombs) << "level " << level;
    }

    // Shot-up bombs of an earlier level come back cold and whole, rolling in turn right and left.
    for (BombRec& b : game.Bombs)
        b = BombRec{.FlashTime = 3, .Hot = true, .Hits = 3, .Dead = true, .Leaving = true};
    ASSERT_TRUE(play.startLevel(5));
    for (int b = 0; b < game.BombCount; ++b) {
        const BombRec& bomb = game.Bombs[b];
        EXPECT_EQ(bomb.Delay, b * 90);
        EXPECT_EQ(bomb.VelX, b % 2 == 0 ? 6.0f : -6.0f);
        EXPECT_EQ(bomb.Direction, b % 2 == 0 ? 1 : 0);
        EXPECT_EQ(bomb.Y, -300.0f);
        EXPECT_FALSE(bomb.Hot || bomb.Dead || bomb.Leaving);
        EXPECT_EQ(bomb.Hits + bomb.FlashTime, 0);
    }
}

// Whether any pixel of the rectangle has the colour.
bool anyPixel(const Surface& s, int left, int top, int right, int bottom, uint32_t colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (s.pixel(x, y) == toRgb565(colour)) return true;
    return false;
}

TEST_F(LevelStart, TheNextLevelScreenShowsTheNameAndWaitsThreeSecondsExceptForADeveloper) {
    game.LevelNames[1] = "The Second One";
    const uint64_t slept = play.host.clock.slept;
    play.played().clear();
    ASSERT_TRUE(play.startLevel(2, PlayFixture::emptyGrid()));
    EXPECT_EQ(play.host.clock.slept, slept + 3000);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"GetReady"}));

    const Surface& screen = *play.host.display.primary();
    const uint32_t yellow = rgb(255, 255, 0), white = rgb(255, 255, 255);
    EXPECT_EQ(screen.pixel(190, 270), toRgb565(yellow)) << "the box's left side";
    EXPECT_EQ(screen.pixel(400, 200), toRgb565(yellow)) << "the box's top side";
    EXPECT_TRUE(anyPixel(screen, 200, 210, 320, 230, white)) << "\"Next Level\" in white";
    EXPECT_FALSE(anyPixel(screen, 200, 210, 320, 228, yellow));
    EXPECT_TRUE(anyPixel(screen, 200, 232, 340, 255, yellow)) << "the level's name in yellow";
    EXPECT_EQ(screen.pixel(400, 300), game.SurfGetReady->pixel(0, 0)) << "the picture is centred";

    PlayFixture dev(true);
    const uint64_t devSlept = dev.host.clock.slept;
    ASSERT_TRUE(dev.startLevel(1, PlayFixture::emptyGrid()));
    EXPECT_EQ(dev.host.clock.slept, devSlept);
    EXPECT_EQ(dev.played(), (std::vector<std::string>{"GetReady"}));
}

}  // namespace
}  // namespace vorn::test

// Laying a level out: scenery, the character's reset, platforms, items and bombs from the
// grid, and the "Next Level" screen with its sound and its wait.
#include <gtest/gtest.h>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

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

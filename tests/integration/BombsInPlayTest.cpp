// Bombs and balls on laid-out levels, frame by frame: where a bomb leaves the screen, and
// shooting a bomb to pieces from the floor.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class BombsInPlay : public ::testing::Test {
protected:
    // One bomb falling in from above as the level start placed it, a crystal out of reach so
    // the level does not end, and a character that bombs pass through.
    void start(Grid grid) {
        grid[0] = "               $";
        ASSERT_TRUE(play.startLevel(1, grid));
        game.BombCount = 1;
        game.InvulnerableTime = 30000;
        play.played().clear();
    }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(BombsInPlay, OnTheBottomFloorABombRollsOutThroughACornerAndFallsInAgain) {
    Grid grid = PlayFixture::emptyGrid();
    grid[29] = std::string(16, 'G');
    start(grid);
    const BombRec& bomb = game.Bombs[0];

    const int frames = play.framesUntil([&] { return bomb.Leaving; }, 1000);
    ASSERT_GT(frames, 0) << "the bomb never rolled out";
    EXPECT_GT(bomb.Y, 480.0f);
    EXPECT_TRUE(bomb.X < 0.0f || bomb.X > 720.0f) << "at a corner, X " << bomb.X;

    ASSERT_GT(play.framesUntil([&] { return !bomb.Leaving; }, 20), 0);
    EXPECT_LT(bomb.Y, -290.0f) << "back above the screen";
    EXPECT_FALSE(bomb.Dead);
}

TEST_F(BombsInPlay, OnAHigherPlatformABombBouncesBetweenTheSides) {
    Grid grid = PlayFixture::emptyGrid();
    grid[10] = std::string(16, 'G');
    grid[29] = std::string(16, 'G');
    start(grid);
    const BombRec& bomb = game.Bombs[0];

    float leftmost = 800.0f, rightmost = -100.0f;
    for (int frame = 0; frame < 600; ++frame) {
        ASSERT_TRUE(play.frames(1));
        ASSERT_FALSE(bomb.Leaving) << "frame " << frame;
        leftmost = std::min(leftmost, bomb.X);
        rightmost = std::max(rightmost, bomb.X);
    }
    EXPECT_FLOAT_EQ(leftmost, 0.0f);
    EXPECT_FLOAT_EQ(rightmost, 760.0f);
    EXPECT_LT(bomb.Y, 202.0f) << "it stays on the upper platforms";
}

TEST_F(BombsInPlay, FiveBallsFromTheFloorDestroyAWaitingBomb) {
    Grid grid = PlayFixture::emptyGrid();
    grid[29] = std::string(16, 'G');
    start(grid);
    game.InvulnerableTime = 0;
    game.BallBlasterTime = 1000;
    game.ShotDelay = 0;
    BombRec& bomb = game.Bombs[0];
    bomb.X = 300.0f;  // on the floor, well to the right of the character
    bomb.Y = 542.0f;
    bomb.Delay = 1000;

    // Balls leave at x 45 every sixth frame and fly 15 a frame from the frame after: the fifth,
    // thrown in frame 25, reaches the bomb in frame 41.
    const int frames = play.framesUntil([&] { return bomb.Dead; }, 100, {key::LCtrl});
    EXPECT_EQ(frames, 41);
    EXPECT_EQ(game.Score, 40);
    EXPECT_EQ(std::ranges::count(play.played(), "Shoot"), 7);
    EXPECT_EQ(std::ranges::count(play.played(), "HitBomb"), 5);
    EXPECT_EQ(std::ranges::count(play.played(), "Explosion"), 1);
    EXPECT_EQ(game.Health, 7);
}

}  // namespace
}  // namespace vorn::test

// Bombs and balls on a laid-out level, frame by frame: shooting a bomb to pieces from the floor
// shows the fire rate, where balls start, how fast they fly and when the fifth one strikes.
#include <gtest/gtest.h>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

TEST(BombsInPlay, FiveBallsFromTheFloorDestroyAWaitingBomb) {
    PlayFixture play;
    Game& game = play.game;
    ASSERT_TRUE(
        play.startLevel(1, PlayFixture::gridOf({{0, "               $"}, {29, std::string(16, 'G')}})));
    play.played().clear();
    game.BombCount = 1;
    game.BallBlasterTime = 1000;
    game.ShotDelay = 0;
    const BombRec& bomb = game.Bombs[0] = BombRec{.X = 300.0f, .Y = 542.0f, .Delay = 1000};

    // Balls leave at x 45 every sixth frame and fly 15 a frame from the frame after: the fifth,
    // thrown in frame 25, reaches the bomb in frame 41.
    EXPECT_EQ(play.framesUntil([&] { return bomb.Dead; }, 100, {key::LCtrl}), 41);
    EXPECT_EQ(game.Score, 40);
    EXPECT_EQ(play.timesPlayed("Shoot"), 7);
    EXPECT_EQ(play.timesPlayed("HitBomb"), 5);
    EXPECT_EQ(game.Health, 7);
}

}  // namespace
}  // namespace vorn::test

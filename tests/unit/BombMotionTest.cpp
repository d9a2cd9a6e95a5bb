// Bombs on their own: waiting, rolling into walls, landing and rebounding, the screen's sides,
// rolling out and coming back, the net below a hole in the floor, and their animation.
#include <cmath>

#include "BombWorld.h"

namespace vorn::test {
namespace {

using BombMotion = BombWorld;

TEST_F(BombMotion, BombsWaitTheirTurnNinetyFramesApart) {
    for (int i = 0; i < 3; ++i)
        placeBomb(i, 100.0f + 200.0f * i, 0.0f, 6.0f).Delay = static_cast<int16_t>(i * 90);
    placeBomb(3, 700.0f, 100.0f, 6.0f).Dead = true;
    game.Bombs[3].Delay = 5;
    std::vector<int> firstMove(3);
    for (int frame = 1; frame <= 200; ++frame) {
        game.moveBombs();
        for (int i = 0; i < 3; ++i)
            if (firstMove[i] == 0 && game.Bombs[i].X != 100.0f + 200.0f * i) firstMove[i] = frame;
    }
    EXPECT_EQ(firstMove, (std::vector<int>{1, 91, 181}));
    EXPECT_EQ(game.Bombs[3].Delay, 5) << "a dead bomb neither waits nor moves";
}

TEST_F(BombMotion, LandingReboundsByThePlatformHitAndHotBombsHalfAgainHigher) {
    // A bomb falls at 10 onto one platform from 13 pixels above it: nothing underfoot before.
    // The speed after is the rebound plus this frame's gravity.
    struct Landing {
        int16_t kind;
        bool hot;
        float velYAfter;
    };
    const Landing cases[] = {{3, false, -9.2f}, {1, false, -1.2f}, {0, false, -4.2f}, {2, false, -4.2f},
                             {4, false, -4.2f}, {3, true, -14.2f}, {1, true, -2.2f},  {0, true, -6.7f}};
    for (const Landing& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << (c.hot ? " hot" : " cold"));
        game.PlatformCount = 0;
        played().clear();
        const PlatformRec& p = addPlatform(10, 5, c.kind);
        BombRec& b = placeBomb(0, 250.0f, static_cast<float>(p.Top) - 47.0f, 6.0f, 10.0f);
        b.Hot = c.hot;
        game.moveBombs();
        EXPECT_FLOAT_EQ(b.VelY, c.velYAfter);
        EXPECT_FLOAT_EQ(b.Y, static_cast<float>(p.Top) - 40.0f);
        EXPECT_EQ(played(), std::vector<std::string>{"BombHit"}) << "a fast landing sounds";
    }

    // A slow landing (3 or less) is silent.
    played().clear();
    placeBomb(0, 250.0f, 161.0f, 6.0f, 3.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(game.Bombs[0].VelY, -1.5f + 0.8f);
    EXPECT_TRUE(played().empty());
}

TEST_F(BombMotion, RisingIntoAPlatformPutsTheBombUnderItAndGravityCapsTheFall) {
    addPlatform(10, 5, 0);  // 202 to 217
    BombRec& b = placeBomb(0, 250.0f, 222.0f, 6.0f, -8.0f);
    BombRec& falling = placeBomb(1, 600.0f, 0.0f, 6.0f, 19.5f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(b.Y, 217.0f);
    EXPECT_FLOAT_EQ(b.VelY, 8.8f);
    EXPECT_TRUE(played().empty()) << "only a falling bomb sounds on a platform";
    EXPECT_FLOAT_EQ(falling.VelY, 20.0f);
}

TEST_F(BombMotion, WallsTurnARollingBombRoundExceptOnThinPlatformsWhereItClimbs) {
    for (int column = 2; column <= 6; ++column) addPlatform(20, column, 0);  // floor, top 402
    addPlatform(19, 5, 0);                                                   // 260 to 290, 382 to 397
    BombRec& b = placeBomb(0, 292.0f, 362.0f, -6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(b.X, 292.0f) << "the move is undone";
    EXPECT_FLOAT_EQ(b.VelX, 6.0f);
    EXPECT_EQ(b.Direction, 1);

    // On a thin floor the bomb rolls slowly and climbs onto what it meets; off it, fast again.
    game.PlatformCount = 0;
    for (int column = 2; column <= 6; ++column) addPlatform(20, column, 1);  // top 413
    addPlatform(19, 5, 0);
    BombRec& climber = placeBomb(0, 220.0f, 373.0f, 6.0f);
    BombRec& free = placeBomb(1, 600.0f, 100.0f, -2.5f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(climber.X, 225.0f);
    EXPECT_FLOAT_EQ(climber.Y, 342.0f);
    EXPECT_FLOAT_EQ(free.X, 594.0f);
}

TEST_F(BombMotion, ScreenSidesBounceAboveTheBottomFloorTheLeftOneWithASound) {
    BombRec& left = placeBomb(0, 2.0f, 480.0f, -6.0f);  // exactly on the line still bounces
    game.moveBombs();
    EXPECT_FLOAT_EQ(left.X, 0.0f);
    EXPECT_FLOAT_EQ(left.VelX, 6.0f);
    EXPECT_EQ(left.Direction, 1);
    EXPECT_EQ(played(), std::vector<std::string>{"BombHit"});

    played().clear();
    BombRec& right = placeBomb(0, 756.0f, 100.0f, 6.0f);
    right.Direction = 1;
    game.moveBombs();
    EXPECT_FLOAT_EQ(right.X, 760.0f);
    EXPECT_FLOAT_EQ(right.VelX, -6.0f);
    EXPECT_EQ(right.Direction, 0);
    EXPECT_TRUE(played().empty()) << "the right side is silent";
    EXPECT_FALSE(left.Leaving || right.Leaving);
}

TEST_F(BombMotion, LowDownABombRollsOutThroughTheCornerAndComesBackFromAboveStillHot) {
    for (int column = 0; column < 16; ++column) addPlatform(29, column, 0);  // floor, top 582
    for (bool toTheLeft : {true, false}) {
        SCOPED_TRACE(toTheLeft ? "left corner" : "right corner");
        BombRec& b = toTheLeft ? placeBomb(0, 2.0f, 542.0f, -6.0f) : placeBomb(0, 756.0f, 542.0f, 6.0f);
        b.Hot = true;
        b.Hits = 3;
        for (int frame = 1; frame <= 7; ++frame) game.moveBombs();
        EXPECT_TRUE(b.Leaving);
        EXPECT_FLOAT_EQ(b.X, toTheLeft ? -40.0f : 798.0f) << "no bounce";

        game.moveBombs();
        EXPECT_FALSE(b.Leaving) << "wholly outside: back from above";
        EXPECT_FLOAT_EQ(b.Y, -300.0f);
        EXPECT_TRUE(b.X >= 0.0f && b.X <= 759.0f && b.X == std::floor(b.X)) << b.X;
        EXPECT_FLOAT_EQ(b.VelX, 6.0f) << "bomb 0 always comes back rolling right";
        EXPECT_TRUE(b.Hot && b.Hits == 3);
    }
    EXPECT_EQ(play.timesPlayed("BombHit"), 0) << "rolling out is silent";
}

TEST_F(BombMotion, ABombThatFallsBelowTheScreenStartsAgainFromAbove) {
    BombRec& lost = placeBomb(1, 300.0f, 590.0f, -6.0f, 15.0f);
    lost.Hot = true;
    lost.Hits = 4;
    BombRec& low = placeBomb(0, 100.0f, 580.0f, 6.0f, 15.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(low.Y, 595.0f) << "above 600 it keeps falling";
    EXPECT_FLOAT_EQ(lost.Y, -300.0f);
    EXPECT_FLOAT_EQ(lost.VelX, -6.0f) << "an odd bomb comes back rolling left";
    EXPECT_TRUE(lost.Hot && lost.Hits == 4);
}

TEST_F(BombMotion, AnimationFlashesDownAndCyclesSixteenFramesForEveryBomb) {
    placeBomb(0, 0, 0, 6).FlashTime = 5;
    placeBomb(1, 0, 0, 6).Frame = 15.0f;
    placeBomb(2, 0, 0, 6).Dead = true;
    game.Bombs[3].Frame = 7.0f;  // beyond BombCount
    game.animateBombs();
    EXPECT_EQ(game.Bombs[0].FlashTime, 4);
    EXPECT_EQ((std::vector<float>{game.Bombs[0].Frame, game.Bombs[1].Frame, game.Bombs[2].Frame,
                                  game.Bombs[3].Frame}),
              (std::vector<float>{1, 0, 1, 7}));
}

}  // namespace
}  // namespace vorn::test

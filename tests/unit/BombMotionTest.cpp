// Bombs on their own: waiting, rolling into walls, landing and rebounding, the screen's sides,
// rolling out and coming back, and the net below a hole in the floor.
#include <cmath>

#include "BombWorld.h"

namespace vorn::test {
namespace {

using BombMotion = BombWorld;

TEST_F(BombMotion, BombsWaitTheirTurnNinetyFramesApart) {
    for (int i = 0; i < 3; ++i) {
        placeBomb(i, 100.0f + 200.0f * i, 0.0f, 6.0f);
        game.Bombs[i].Delay = static_cast<int16_t>(i * 90);
    }
    auto moved = [&](int i) { return game.Bombs[i].X != 100.0f + 200.0f * i; };

    game.moveBombs();
    EXPECT_TRUE(moved(0));
    EXPECT_FALSE(moved(1));
    EXPECT_EQ(game.Bombs[1].Delay, 89);

    for (int frame = 2; frame <= 90; ++frame) game.moveBombs();
    EXPECT_FALSE(moved(1)) << "bomb 1 still waits in frame 90";
    EXPECT_EQ(game.Bombs[1].Delay, 0);
    game.moveBombs();
    EXPECT_TRUE(moved(1)) << "bomb 1 moves in frame 91";
    EXPECT_FLOAT_EQ(game.Bombs[1].X, 306.0f);

    for (int frame = 92; frame <= 180; ++frame) game.moveBombs();
    EXPECT_FALSE(moved(2));
    game.moveBombs();
    EXPECT_TRUE(moved(2)) << "bomb 2 moves in frame 181";

    // A dead bomb neither waits nor moves.
    placeBomb(3, 500.0f, 100.0f, 6.0f).Dead = true;
    game.Bombs[3].Delay = 5;
    game.moveBombs();
    EXPECT_EQ(game.Bombs[3].Delay, 5);
    EXPECT_FLOAT_EQ(game.Bombs[3].X, 500.0f);
}

// A bomb falls at 10 onto one platform from well above it, so the surface under it was empty.
struct Landing {
    int16_t kind;
    bool hot;
    float velYAfter;  // after the rebound and this frame's gravity
};

TEST_F(BombMotion, LandingReboundsByThePlatformHitAndHotBombsHalfAgainHigher) {
    const Landing cases[] = {
        {3, false, -9.2f}, {1, false, -1.2f}, {0, false, -4.2f}, {2, false, -4.2f},
        {4, false, -4.2f}, {3, true, -14.2f}, {1, true, -2.2f},  {0, true, -6.7f},
    };
    for (const Landing& c : cases) {
        game.PlatformCount = 0;
        host.sound.played.clear();
        const PlatformRec& p = addPlatform(10, 5, c.kind);
        // 13 pixels of air (3 for the surface test) before the move, overlapping after it.
        BombRec& b = placeBomb(0, 250.0f, static_cast<float>(p.Top) - 47.0f, 6.0f, 10.0f);
        b.Hot = c.hot;
        game.moveBombs();
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << (c.hot ? " hot" : " cold"));
        EXPECT_FLOAT_EQ(b.VelY, c.velYAfter);
        EXPECT_FLOAT_EQ(b.Y, static_cast<float>(p.Top) - 40.0f);
        EXPECT_FLOAT_EQ(b.X, 256.0f);
        EXPECT_EQ(played(), std::vector<std::string>{"BombHit"}) << "a fast landing sounds";
    }

    // A slow landing is silent.
    game.PlatformCount = 0;
    host.sound.played.clear();
    const PlatformRec& p = addPlatform(10, 5, 0);
    BombRec& b = placeBomb(0, 250.0f, static_cast<float>(p.Top) - 40.5f, 6.0f, 2.5f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(b.Y, static_cast<float>(p.Top) - 40.0f);
    EXPECT_FLOAT_EQ(b.VelY, -1.25f + 0.8f);
    EXPECT_TRUE(played().empty());
}

TEST_F(BombMotion, RisingIntoAPlatformPutsTheBombUnderItAndTurnsItDown) {
    const PlatformRec& p = addPlatform(10, 5, 0);  // 202 to 217
    BombRec& b = placeBomb(0, 250.0f, 222.0f, 6.0f, -8.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(b.Y, static_cast<float>(p.Bottom));
    EXPECT_FLOAT_EQ(b.VelY, 8.8f);
    EXPECT_TRUE(played().empty()) << "only a falling bomb sounds on a platform";

    // Gravity caps the fall at 20.
    BombRec& falling = placeBomb(0, 600.0f, 0.0f, 6.0f, 19.5f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(falling.VelY, 20.0f);
    EXPECT_FLOAT_EQ(falling.Y, 19.5f);
}

TEST_F(BombMotion, WallsTurnARollingBombRoundExceptOnThinPlatformsWhereItClimbs) {
    for (int column = 2; column <= 6; ++column) addPlatform(20, column, 0);  // floor, top 402
    const PlatformRec& wall = addPlatform(19, 5, 0);                         // 260 to 290, 382 to 397
    BombRec& b = placeBomb(0, 220.0f, 362.0f, 6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(b.X, 220.0f) << "the move is undone";
    EXPECT_FLOAT_EQ(b.VelX, -6.0f);
    EXPECT_EQ(b.Direction, 0);
    EXPECT_FLOAT_EQ(b.Y, 362.0f);

    // Rolling left into the same wall from its right turns it to the right.
    BombRec& back = placeBomb(0, 292.0f, 362.0f, -6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(back.X, 292.0f);
    EXPECT_FLOAT_EQ(back.VelX, 6.0f);
    EXPECT_EQ(back.Direction, 1);

    // On a thin floor the bomb rolls slowly and climbs onto what it meets.
    game.PlatformCount = 0;
    for (int column = 2; column <= 6; ++column) addPlatform(20, column, 1);  // top 413
    addPlatform(19, 5, 0);
    BombRec& climber = placeBomb(0, 220.0f, 373.0f, 6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(climber.VelX, 2.5f);
    EXPECT_FLOAT_EQ(climber.X, 225.0f);
    EXPECT_FLOAT_EQ(climber.Y, static_cast<float>(wall.Top) - 40.0f);
    EXPECT_EQ(climber.Direction, 1);

    // Off the thin floor it rolls at full speed again, in the direction it had.
    game.PlatformCount = 0;
    BombRec& free = placeBomb(0, 300.0f, 100.0f, -2.5f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(free.VelX, -6.0f);
    EXPECT_FLOAT_EQ(free.X, 294.0f);
}

TEST_F(BombMotion, ScreenSidesBounceHighUpTheLeftOneWithASound) {
    BombRec& left = placeBomb(0, 2.0f, 100.0f, -6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(left.X, 0.0f);
    EXPECT_FLOAT_EQ(left.VelX, 6.0f);
    EXPECT_EQ(left.Direction, 1);
    EXPECT_FALSE(left.Leaving);
    EXPECT_EQ(played(), std::vector<std::string>{"BombHit"});

    host.sound.played.clear();
    BombRec& right = placeBomb(0, 756.0f, 100.0f, 6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(right.X, 760.0f);
    EXPECT_FLOAT_EQ(right.VelX, -6.0f);
    EXPECT_EQ(right.Direction, 0);
    EXPECT_FALSE(right.Leaving);
    EXPECT_TRUE(played().empty()) << "the right side is silent";

    // Exactly on the line y 480 still bounces.
    BombRec& onLine = placeBomb(0, 2.0f, 480.0f, -6.0f);
    game.moveBombs();
    EXPECT_FLOAT_EQ(onLine.X, 0.0f);
    EXPECT_FALSE(onLine.Leaving);
}

TEST_F(BombMotion, LowDownABombRollsOutThroughTheCornerAndComesBackFromAbove) {
    for (int column = 0; column < 16; ++column) addPlatform(29, column, 0);  // floor, top 582

    for (bool toTheLeft : {true, false}) {
        SCOPED_TRACE(toTheLeft ? "left corner" : "right corner");
        host.sound.played.clear();
        BombRec& b = toTheLeft ? placeBomb(0, 2.0f, 542.0f, -6.0f) : placeBomb(0, 756.0f, 542.0f, 6.0f);
        b.Hot = true;
        b.Hits = 3;

        game.moveBombs();
        EXPECT_TRUE(b.Leaving);
        EXPECT_FLOAT_EQ(b.X, toTheLeft ? -4.0f : 762.0f) << "no bounce";
        for (int frame = 2; frame <= 7; ++frame) game.moveBombs();
        EXPECT_TRUE(b.Leaving);
        EXPECT_FLOAT_EQ(b.X, toTheLeft ? -40.0f : 798.0f);

        game.moveBombs();
        EXPECT_FALSE(b.Leaving) << "wholly outside: back from above";
        EXPECT_FLOAT_EQ(b.Y, -300.0f);
        EXPECT_FLOAT_EQ(b.VelY, 0.8f);
        EXPECT_GE(b.X, 0.0f);
        EXPECT_LE(b.X, 759.0f);
        EXPECT_EQ(b.X, std::floor(b.X));
        EXPECT_FLOAT_EQ(b.VelX, 6.0f) << "bomb 0 always comes back rolling right";
        EXPECT_TRUE(b.Hot);
        EXPECT_EQ(b.Hits, 3);
        EXPECT_FALSE(b.Dead);
        for (const auto& name : played()) EXPECT_NE(name, "BombHit") << "rolling out is silent";
    }
}

TEST_F(BombMotion, ABombThatFallsOffTheBottomStartsAgainFromAbove) {
    BombRec& lost = placeBomb(1, 300.0f, 590.0f, -6.0f, 15.0f);
    lost.Hot = true;
    lost.Hits = 4;
    BombRec& low = placeBomb(0, 100.0f, 580.0f, 6.0f, 15.0f);

    game.moveBombs();
    EXPECT_FLOAT_EQ(low.Y, 595.0f) << "above 600 it keeps falling";
    EXPECT_FLOAT_EQ(low.VelY, 15.8f);
    EXPECT_FLOAT_EQ(lost.Y, -300.0f);
    EXPECT_FLOAT_EQ(lost.VelY, 0.0f);
    EXPECT_FLOAT_EQ(lost.VelX, -6.0f) << "an odd bomb comes back rolling left";
    EXPECT_EQ(lost.Direction, 0);
    EXPECT_TRUE(lost.Hot);
    EXPECT_EQ(lost.Hits, 4);

    game.moveBombs();
    EXPECT_FLOAT_EQ(low.Y, -300.0f);
}

TEST_F(BombMotion, AnimationFlashesDownAndCyclesSixteenFramesForEveryBomb) {
    placeBomb(0, 0, 0, 6).FlashTime = 5;
    placeBomb(1, 0, 0, 6).Frame = 15.0f;
    placeBomb(2, 0, 0, 6).Dead = true;
    game.Bombs[2].Frame = 3.0f;
    game.Bombs[3].Frame = 7.0f;  // beyond BombCount
    game.animateBombs();
    EXPECT_EQ(game.Bombs[0].FlashTime, 4);
    EXPECT_FLOAT_EQ(game.Bombs[0].Frame, 1.0f);
    EXPECT_EQ(game.Bombs[1].FlashTime, 0);
    EXPECT_FLOAT_EQ(game.Bombs[1].Frame, 0.0f);
    EXPECT_FLOAT_EQ(game.Bombs[2].Frame, 4.0f);
    EXPECT_FLOAT_EQ(game.Bombs[3].Frame, 7.0f);
}

}  // namespace
}  // namespace vorn::test

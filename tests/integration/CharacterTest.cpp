// The character on its platforms: grip and top speed per surface, jumps, dropping through,
// one-way landings, bouncing, walls and screen sides, walking off, poses, and the net that
// catches a fall through the floor.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class CharacterMotion : public ::testing::Test {
protected:
    // A level with one row of platforms of the given letters (or more rows), a crystal out of
    // reach so the level does not end, and no bombs.
    void start(Grid grid) {
        grid[0] = "               $";
        ASSERT_TRUE(play.startLevel(1, grid));
        play.clearBombs();
        play.played().clear();
    }
    void startOnFloor(char letter) {
        Grid grid = PlayFixture::emptyGrid();
        grid[29] = std::string(16, letter);
        start(grid);
        play.standOn(play.platformAt(29, 7), 360.0f);
    }
    int count(const std::string& sound) { return static_cast<int>(std::ranges::count(play.played(), sound)); }

    PlayFixture play;
    Game& game = play.game;
};

struct Grip {
    char letter;
    float accel, top, afterRelease, fastTop;
};

TEST_F(CharacterMotion, GripAndTopSpeedDependOnTheSurfaceUnderfoot) {
    const Grip grips[] = {
        {'G', 2.75f, 5.5f, 2.75f, 8.25f}, {'M', 2.75f, 5.5f, 2.75f, 8.25f}, {'B', 2.75f, 5.5f, 2.75f, 8.25f},
        {'S', 1.0f, 2.0f, 1.0f, 3.0f},    {'I', 0.22f, 5.5f, 5.28f, 8.25f},
    };
    for (const Grip& g : grips) {
        SCOPED_TRACE(g.letter);
        startOnFloor(g.letter);
        ASSERT_TRUE(play.frames(1, {key::Right}));
        EXPECT_FLOAT_EQ(game.CharVelX, g.accel);
        EXPECT_FLOAT_EQ(game.CharX, 360.0f + g.accel);
        ASSERT_TRUE(play.frames(40, {key::Right}));
        EXPECT_FLOAT_EQ(game.CharVelX, g.top);
        ASSERT_TRUE(play.frames(1));
        EXPECT_FLOAT_EQ(game.CharVelX, g.afterRelease);
        EXPECT_EQ(game.CharInAir, 0);

        play.standOn(play.platformAt(29, 7), 360.0f);
        game.SpeedTime = 900;
        ASSERT_TRUE(play.frames(40, {key::Left}));
        EXPECT_FLOAT_EQ(game.CharVelX, -g.fastTop);
    }

    // In the air the keys only nudge the character and the speed fades by 4 % a frame.
    game.CharInAir = 1;
    game.CharY = 100.0f;
    game.CharVelX = 0.0f;
    game.SpeedTime = 0;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharVelX, 0.22f);
    game.CharY = 100.0f;
    game.CharVelX = 5.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_FLOAT_EQ(game.CharVelX, 4.8f);
    game.CharY = 100.0f;
    game.SpeedTime = 10;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharVelX, 5.13f);
    game.CharY = 100.0f;
    game.CharVelX = 8.2f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharVelX, 8.25f);
}

TEST_F(CharacterMotion, LeftAndRightTogetherPushLeftFirstThenRight) {
    startOnFloor('G');
    game.CharFacing = 0;
    ASSERT_TRUE(play.frames(1, {key::Left, key::Right}));
    EXPECT_EQ(game.CharVelX, 0.0f);
    EXPECT_EQ(game.CharFacing, 1) << "Right wins the facing";

    game.CharVelX = -5.5f;
    ASSERT_TRUE(play.frames(1, {key::Left, key::Right}));
    EXPECT_FLOAT_EQ(game.CharVelX, -2.75f);
}

TEST_F(CharacterMotion, JumpsStartAtFourteenOrNineteenPointSixAndNeverFromThinPlatforms) {
    startOnFloor('G');
    ASSERT_TRUE(play.frames(1, {key::Up}));
    EXPECT_EQ(game.CharInAir, 1);
    EXPECT_FLOAT_EQ(game.CharY, 546.0f - 14.0f);
    EXPECT_FLOAT_EQ(game.CharVelY, -14.0f + 1.1f);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Jump"}));

    // A high jump uses one of the power-up's jumps; Space jumps as Up does.
    play.standOn(play.platformAt(29, 7), 360.0f);
    game.HyperJumps = 2;
    ASSERT_TRUE(play.frames(1, {key::Space}));
    EXPECT_FLOAT_EQ(game.CharVelY, -19.6f + 1.1f);
    EXPECT_EQ(game.HyperJumps, 1);
    float highest = game.CharY;
    ASSERT_GT(play.framesUntil(
                  [&] {
                      highest = std::min(highest, game.CharY);
                      return game.CharInAir == 0;
                  },
                  100),
              0);
    EXPECT_LT(highest, 546.0f - 150.0f) << "a high jump clears more than seven rows";

    startOnFloor('S');
    ASSERT_TRUE(play.frames(3, {key::Up, key::Space}));
    EXPECT_EQ(game.CharInAir, 0);
    EXPECT_EQ(game.CharY, 557.0f);
    EXPECT_TRUE(play.played().empty());
}

TEST_F(CharacterMotion, HoldingUpJumpsAgainInTheFirstFrameAfterALanding) {
    startOnFloor('G');
    int jumps = 0;
    bool wasStanding = true;
    for (int frame = 0; frame < 120; ++frame) {
        ASSERT_TRUE(play.frames(1, {key::Up}));
        if (wasStanding) {
            EXPECT_FLOAT_EQ(game.CharVelY, -12.9f) << "frame " << frame;
            ++jumps;
        }
        wasStanding = game.CharInAir == 0;
    }
    EXPECT_GE(jumps, 4);
    EXPECT_EQ(count("Jump"), jumps);
}

TEST_F(CharacterMotion, DownDropsThroughThePlatformUnderfootButNotThroughTheBottomFloor) {
    Grid grid = PlayFixture::emptyGrid();
    grid[20] = "MMMMMMMMMMMMMMMM";
    grid[28] = "   G";
    grid[29] = "GGGGGGGGGGGGGGGG";
    start(grid);
    play.standOn(play.platformAt(20, 7), 360.0f);
    ASSERT_TRUE(play.frames(1, {key::Down}));
    EXPECT_EQ(game.CharInAir, 1);
    EXPECT_FLOAT_EQ(game.CharY, 366.0f + 2.0f + 0.1f);
    EXPECT_FLOAT_EQ(game.CharVelY, 1.2f);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Jump"}));
    ASSERT_GT(play.framesUntil([&] { return game.CharInAir == 0; }, 60), 0);
    EXPECT_EQ(game.CharY, 546.0f) << "it falls through its own platform onto the floor";

    // Feet at 582 stand on the bottom floor: Down does nothing there.
    play.played().clear();
    ASSERT_TRUE(play.frames(3, {key::Down}));
    EXPECT_EQ(game.CharInAir, 0);
    EXPECT_EQ(game.CharY, 546.0f);
    EXPECT_TRUE(play.played().empty());

    // Feet at 562, on row 28, are above the bottom floor.
    play.standOn(play.platformAt(28, 3), 150.0f);
    ASSERT_TRUE(play.frames(1, {key::Down}));
    EXPECT_EQ(game.CharInAir, 1);
}

TEST_F(CharacterMotion, PlatformsAreLandedOnOnlyFromAbove) {
    Grid grid = PlayFixture::emptyGrid();
    grid[25] = "       M";
    grid[29] = "GGGGGGGGGGGGGGGG";
    start(grid);
    play.standOn(play.platformAt(29, 7), 355.0f);

    // Up through the platform, then down onto it.
    ASSERT_TRUE(play.frames(1, {key::Up}));
    int frames = 1;
    bool passedThrough = false;
    while (game.CharInAir == 1 && frames < 60) {
        ASSERT_TRUE(play.frames(1));
        ++frames;
        passedThrough =
            passedThrough || (game.CharY < 517.0f && game.CharY + 36.0f > 502.0f && game.CharVelY < 0);
    }
    EXPECT_TRUE(passedThrough);
    EXPECT_EQ(game.CharInAir, 0);
    EXPECT_EQ(game.CharY, 466.0f) << "standing on the row-25 platform";

    // Falling at 10 from just above: lands. Falling at 40: the top edge is already below the
    // platform's top in the frame of the touch, so it falls through.
    game.CharInAir = 1;
    game.CharY = 465.0f;
    game.CharVelY = 10.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.CharInAir, 0);
    EXPECT_EQ(game.CharY, 466.0f);
    EXPECT_FLOAT_EQ(game.CharVelY, 1.1f) << "gravity is added right after a landing";

    game.CharInAir = 1;
    game.CharY = 465.0f;
    game.CharVelY = 40.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.CharInAir, 1);
    EXPECT_FLOAT_EQ(game.CharY, 505.0f);
}

TEST_F(CharacterMotion, ABouncyPlatformThrowsTheCharacterBackUpEveryTime) {
    Grid grid = PlayFixture::emptyGrid();
    grid[29] = "BBBBBBBBBBBBBBBB";
    start(grid);
    int bounces = 0;
    for (int frame = 0; frame < 150; ++frame) {
        const size_t before = play.played().size();
        ASSERT_TRUE(play.frames(1));
        if (play.played().size() > before) {
            EXPECT_EQ(play.played().back(), "Boing");
            EXPECT_EQ(game.CharY, 546.0f);
            EXPECT_FLOAT_EQ(game.CharVelY, -17.5f + 1.1f);
            ++bounces;
        }
        EXPECT_EQ(game.CharInAir, 1) << "frame " << frame;
    }
    EXPECT_GE(bounces, 4);
}

TEST_F(CharacterMotion, RunningIntoAPlatformThrowsBackOrClimbsFromAThinOne) {
    Grid grid = PlayFixture::emptyGrid();
    grid[27] = "    G";
    grid[29] = "GGGGGGGGGGGGGGGG";
    start(grid);
    play.standOn(play.platformAt(29, 3), 171.0f);
    game.CharVelX = 5.5f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharVelX, -5.5f);
    EXPECT_FLOAT_EQ(game.CharX, 171.0f) << "the move is undone";

    // One pixel less and the hit rectangle's Right rounds to 210, touching nothing.
    play.standOn(play.platformAt(29, 3), 170.0f);
    game.CharVelX = 5.5f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharX, 175.5f);
    EXPECT_FLOAT_EQ(game.CharVelX, 5.5f);

    grid = PlayFixture::emptyGrid();
    grid[28] = "    G";
    grid[29] = "SSSSSSSSSSSSSSSS";
    start(grid);
    play.standOn(play.platformAt(29, 3), 174.0f);
    game.CharVelX = 2.0f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharY, 526.0f) << "on top of the block";
    EXPECT_FLOAT_EQ(game.CharX, 176.0f);
    EXPECT_FLOAT_EQ(game.CharVelX, 2.0f);
    EXPECT_EQ(game.CharInAir, 0);
}

TEST_F(CharacterMotion, TheHitRectangleKeepsTheCharacterOnTheScreen) {
    startOnFloor('G');
    struct Edge {
        float x, velX, xAfter, velXAfter;
    };
    const Edge edges[] = {
        {-4.0f, -2.0f, -4.0f, -2.0f},   // Left 1
        {-5.5f, -2.0f, -5.5f, -2.0f},   // Left rounds from -0.5 to 0
        {-6.0f, -2.0f, 0.0f, 2.0f},     // Left -1
        {765.5f, 2.0f, 765.5f, 2.0f},   // Right rounds from 800.5 to 800
        {766.0f, 3.0f, 760.0f, -3.0f},  // Right 801
    };
    for (const Edge& e : edges) {
        game.CharX = e.x;
        game.CharVelX = e.velX;
        game.KeepCharOnScreen();
        EXPECT_EQ(game.CharX, e.xAfter) << e.x;
        EXPECT_EQ(game.CharVelX, e.velXAfter) << e.x;
    }

    // Running left at full speed: one frame past the edge, then thrown back.
    game.CharX = 0.0f;
    game.CharVelX = -5.5f;
    ASSERT_TRUE(play.frames(1, {key::Left}));
    EXPECT_FLOAT_EQ(game.CharX, -5.5f);
    ASSERT_TRUE(play.frames(1, {key::Left}));
    EXPECT_EQ(game.CharX, 0.0f);
    EXPECT_FLOAT_EQ(game.CharVelX, 5.5f);
}

TEST_F(CharacterMotion, WalkingOffAnEdgeStartsAFallAndAllowsNoJump) {
    Grid grid = PlayFixture::emptyGrid();
    grid[20] = "GGG";
    grid[29] = "GGGGGGGGGGGGGGGG";
    start(grid);
    play.standOn(play.platformAt(20, 2), 128.0f);
    game.CharVelX = 5.5f;
    ASSERT_TRUE(play.frames(1, {key::Right, key::Up}));
    EXPECT_FLOAT_EQ(game.CharVelY, -12.9f) << "the hit rectangle's Left, 138.5, rounds to 138: still on";
    EXPECT_EQ(count("Jump"), 1);

    // Left 139.5 rounds to 140, past the platform's Right.
    play.standOn(play.platformAt(20, 2), 129.0f);
    game.CharVelX = 5.5f;
    play.played().clear();
    ASSERT_TRUE(play.frames(1, {key::Right, key::Up}));
    EXPECT_EQ(game.CharInAir, 1);
    EXPECT_FLOAT_EQ(game.CharY, 366.1f);
    EXPECT_FLOAT_EQ(game.CharVelY, 1.2f);
    EXPECT_TRUE(play.played().empty()) << "no jump in the frame of walking off";
}

TEST_F(CharacterMotion, PosesWalkStandBlinkAndIdle) {
    startOnFloor('G');
    game.CharPose = 12;
    std::vector<int> walk;
    for (int i = 0; i < 9; ++i) {
        ASSERT_TRUE(play.frames(1, {key::Right}));
        walk.push_back(game.CharPose);
    }
    EXPECT_EQ(walk, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));

    // Standing still: each frame in which neither idle animation plays draws two random
    // numbers, the first for a blink (2 %), the second for the long idle (1 %).
    game.CharVelX = 0.0f;
    int blinks = 0, idles = 0;
    for (int frame = 0; frame < 4000 && (blinks < 3 || idles < 2); ++frame) {
        const bool draws = game.BlinkTime == 0 && game.IdleAnim == 0.0f;
        Random shadow = game.Rng;
        const bool blink = draws && shadow.draw() * 100.0f < 2.0f;
        const bool idle = draws && shadow.draw() * 100.0f < 1.0f;
        const int blinkBefore = game.BlinkTime;
        const float idleBefore = game.IdleAnim;
        ASSERT_TRUE(play.frames(1));
        EXPECT_EQ(Random(game.Rng).next32(), Random(shadow).next32()) << "random draws in frame " << frame;

        if (idle || idleBefore > 0.0f) {
            const float phase = idle ? 11.0f : idleBefore;
            EXPECT_EQ(game.CharPose, static_cast<int>(phase)) << frame;
            EXPECT_EQ(game.IdleAnim, phase + 0.5f >= 17.0f ? 0.0f : phase + 0.5f);
        } else if (blink || blinkBefore > 0) {
            EXPECT_EQ(game.CharPose, 10);
        } else {
            EXPECT_EQ(game.CharPose, 2);
        }
        if (blink) {
            EXPECT_EQ(game.BlinkTime, 4);
            ++blinks;
        }
        idles += idle ? 1 : 0;
    }
    EXPECT_GE(blinks, 3);
    EXPECT_GE(idles, 2);

    // The long idle shows poses 11 to 16 for two frames each.
    game.BlinkTime = 0;
    game.IdleAnim = 11.0f;
    std::vector<int> idle;
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(play.frames(1));
        idle.push_back(game.CharPose);
    }
    EXPECT_EQ(idle, (std::vector<int>{11, 11, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16}));
    EXPECT_EQ(game.IdleAnim, 0.0f);

    game.CharInAir = 1;
    game.CharY = 100.0f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_EQ(game.CharPose, 8);

    // While the level ends the character is frozen in its pose.
    play.standOn(play.platformAt(29, 7), 360.0f);
    game.CharPose = 5;
    game.EndDelay = 50;
    ASSERT_TRUE(play.frames(3, {key::Right, key::Up}));
    EXPECT_EQ(game.CharPose, 5);
    EXPECT_EQ(game.CharX, 360.0f);
    EXPECT_EQ(game.CharY, 546.0f);
}

TEST_F(CharacterMotion, AFallThroughTheFloorCostsAHealthPointAndRestarts) {
    start(PlayFixture::emptyGrid());
    game.Health = 3;
    int frames = play.framesUntil([&] { return game.Health != 3; }, 60);
    ASSERT_GT(frames, 0);
    EXPECT_EQ(game.Health, 2);
    EXPECT_EQ(game.CharX, 5.0f);
    EXPECT_EQ(game.CharY, 534.0f);
    EXPECT_EQ(game.CharInAir, 0);
    EXPECT_EQ(game.CharVelX, 0.0f);
    EXPECT_EQ(game.CharVelY, 0.0f);
    EXPECT_EQ(game.EndDelay, 0);

    // A fall too fast for the landing rule passes a platform and the floor alike.
    Grid grid = PlayFixture::emptyGrid();
    grid[25] = "       M";
    grid[29] = "GGGGGGGGGGGGGGGG";
    start(grid);
    game.Health = 1;
    game.CharInAir = 1;
    game.CharX = 355.0f;
    game.CharY = 465.0f;
    game.CharVelY = 40.0f;
    ASSERT_EQ(play.framesUntil([&] { return game.Health == 0; }, 5), 4);
    EXPECT_EQ(game.EndDelay, 99) << "the last health point ends the game as a bomb would";
    ASSERT_TRUE(play.frames(99));
    EXPECT_EQ(game.GameState, kTitle);
}

}  // namespace
}  // namespace vorn::test

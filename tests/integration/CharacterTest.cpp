// The character on its platforms: grip and top speed per surface, jumps, dropping through,
// one-way landings, bouncing, walls and screen sides, walking off, poses, and the net that
// catches a fall through the floor.
#include <gtest/gtest.h>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

const std::string kFloor(16, 'G');

class CharacterMotion : public ::testing::Test {
protected:
    // A crystal out of reach keeps the level going.
    void start(std::initializer_list<std::pair<int, std::string>> rows) {
        Grid grid = PlayFixture::gridOf(rows);
        grid[0] = "               $";
        ASSERT_TRUE(play.startBare(grid));
    }
    void startOnFloor(char letter) {
        start({{29, std::string(16, letter)}});
        play.standOn(play.platformAt(29, 7), 360.0f);
    }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(CharacterMotion, GripAndTopSpeedDependOnTheSurfaceUnderfootAndOnExtraSpeed) {
    // Speed after the first frame of Right, at the top, one frame after letting go; the top with
    // extra speed.
    const struct {
        char letter;
        float accel, top, afterRelease, fastTop;
    } grips[] = {{'G', 2.75f, 5.5f, 2.75f, 8.25f},
                 {'B', 2.75f, 5.5f, 2.75f, 8.25f},
                 {'S', 1.0f, 2.0f, 1.0f, 3.0f},
                 {'I', 0.22f, 5.5f, 5.28f, 8.25f}};
    for (const auto& g : grips) {
        SCOPED_TRACE(g.letter);
        startOnFloor(g.letter);
        ASSERT_TRUE(play.frames(1, {key::Right}));
        EXPECT_FLOAT_EQ(game.CharVelX, g.accel);
        ASSERT_TRUE(play.frames(40, {key::Right}));
        EXPECT_FLOAT_EQ(game.CharVelX, g.top);
        ASSERT_TRUE(play.frames(1));
        EXPECT_FLOAT_EQ(game.CharVelX, g.afterRelease);
        play.standOn(play.platformAt(29, 7), 360.0f);
        game.SpeedTime = 900;
        ASSERT_TRUE(play.frames(40, {key::Left}));
        EXPECT_FLOAT_EQ(game.CharVelX, -g.fastTop);
    }
    // Both keys: the push to the left is clamped first, then the push to the right. In the air
    // the speed fades by 4 % a frame.
    game.SpeedTime = 0;
    game.CharVelX = -5.5f;
    ASSERT_TRUE(play.frames(1, {key::Left, key::Right}));
    EXPECT_FLOAT_EQ(game.CharVelX, -5.28f);
    game.CharInAir = 1;
    game.CharY = 100.0f;
    game.CharVelX = 5.5f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_FLOAT_EQ(game.CharVelX, 5.28f);
}

TEST_F(CharacterMotion, JumpsHighJumpsAndNoJumpFromThinPlatforms) {
    startOnFloor('G');
    ASSERT_TRUE(play.frames(1, {key::Space}));
    EXPECT_FLOAT_EQ(game.CharY, 546.0f - 14.0f);
    EXPECT_FLOAT_EQ(game.CharVelY, -14.0f + 1.1f);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Jump"}));
    // Up held from the air jumps again in the first frame after the landing.
    ASSERT_GT(play.framesUntil([&] { return game.CharInAir == 0; }, 60, {key::Up}), 0);
    game.HyperJumps = 2;
    ASSERT_TRUE(play.frames(1, {key::Up}));
    EXPECT_FLOAT_EQ(game.CharVelY, -19.6f + 1.1f) << "a high jump uses one of the power-up's jumps";
    EXPECT_EQ(game.HyperJumps, 1);

    startOnFloor('S');
    ASSERT_TRUE(play.frames(3, {key::Up, key::Space}));
    EXPECT_EQ(game.CharY, 557.0f);
    EXPECT_TRUE(play.played().empty());
}

TEST_F(CharacterMotion, DownDropsThroughThePlatformUnderfootButNotThroughTheBottomFloor) {
    start({{20, std::string(16, 'M')}, {28, "   G"}, {29, kFloor}});
    play.standOn(play.platformAt(20, 7), 360.0f);
    ASSERT_TRUE(play.frames(1, {key::Down}));
    EXPECT_FLOAT_EQ(game.CharY, 366.0f + 2.0f + 0.1f);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Jump"}));
    ASSERT_GT(play.framesUntil([&] { return game.CharInAir == 0; }, 60), 0);
    EXPECT_EQ(game.CharY, 546.0f);
    // Feet at 582 stand on the bottom floor; feet at 562, on row 28, do not.
    ASSERT_TRUE(play.frames(3, {key::Down}));
    EXPECT_EQ(game.CharY, 546.0f);
    play.standOn(play.platformAt(28, 3), 150.0f);
    ASSERT_TRUE(play.frames(1, {key::Down}));
    EXPECT_EQ(game.CharInAir, 1);
}

TEST_F(CharacterMotion, PlatformsAreLandedOnOnlyFromAboveAndSpringyOnesThrowBackUp) {
    start({{25, "       M"}, {29, kFloor}});
    play.standOn(play.platformAt(29, 7), 355.0f);
    ASSERT_GT(play.framesUntil([&] { return game.CharInAir == 0; }, 60, {key::Up}), 0);
    EXPECT_EQ(game.CharY, 466.0f) << "up through the row-25 platform and down onto it";
    // Falling at 10 from just above: lands, and gravity is added right after. Falling at 40: the
    // top edge is already below the platform's top in the frame of the touch.
    for (float speed : {10.0f, 40.0f}) {
        game.CharInAir = 1;
        game.CharY = 465.0f;
        game.CharVelY = speed;
        ASSERT_TRUE(play.frames(1));
        EXPECT_FLOAT_EQ(game.CharY, speed == 10.0f ? 466.0f : 505.0f);
        EXPECT_FLOAT_EQ(game.CharVelY, speed == 10.0f ? 1.1f : 41.1f);
    }

    start({{29, std::string(16, 'B')}});
    ASSERT_GT(play.framesUntil([&] { return !play.played().empty(); }, 60), 0);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Boing"}));
    EXPECT_FLOAT_EQ(game.CharVelY, -17.5f + 1.1f);
    for (int frame = 0; frame < 120; ++frame) ASSERT_TRUE(play.frames(1) && game.CharInAir == 1) << frame;
}

TEST_F(CharacterMotion, WallsThrowBackOrAreClimbedAndTheScreenSidesKeepTheCharacterIn) {
    start({{27, "    G"}, {29, kFloor}});
    play.standOn(play.platformAt(29, 3), 171.0f);
    game.CharVelX = 5.5f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharX, 171.0f) << "the move is undone";
    EXPECT_FLOAT_EQ(game.CharVelX, -5.5f);

    start({{28, "    G"}, {29, std::string(16, 'S')}});
    play.standOn(play.platformAt(29, 3), 174.0f);
    game.CharVelX = 2.0f;
    ASSERT_TRUE(play.frames(1, {key::Right}));
    EXPECT_FLOAT_EQ(game.CharY, 526.0f) << "on top of the thin floor's block";
    EXPECT_EQ(game.CharInAir, 0);

    // The hit rectangle, 5 pixels in from the box, must stay on the screen; its sides round to
    // even (-5.5 + 5 gives 0, 765.5 + 35 gives 800).
    const struct {
        float x, velX, xAfter, velXAfter;
    } edges[] = {{-5.5f, -2.0f, -5.5f, -2.0f},
                 {-6.0f, -2.0f, 0.0f, 2.0f},
                 {765.5f, 2.0f, 765.5f, 2.0f},
                 {766.0f, 3.0f, 760.0f, -3.0f}};
    for (const auto& e : edges) {
        game.CharX = e.x;
        game.CharVelX = e.velX;
        game.KeepCharOnScreen();
        EXPECT_EQ(game.CharX, e.xAfter) << e.x;
        EXPECT_EQ(game.CharVelX, e.velXAfter) << e.x;
    }
}

TEST_F(CharacterMotion, WalkingOffAnEdgeStartsASlowFallAndAllowsNoJump) {
    start({{20, "GGG"}, {29, kFloor}});
    // The hit rectangle's Left, 138.5, rounds to 138: still on; 139.5 rounds to 140: off.
    for (float x : {128.0f, 129.0f}) {
        play.standOn(play.platformAt(20, 2), x);
        game.CharVelX = 5.5f;
        play.played().clear();
        ASSERT_TRUE(play.frames(1, {key::Right, key::Up}));
        EXPECT_FLOAT_EQ(game.CharVelY, x == 128.0f ? -12.9f : 1.2f) << x;
        EXPECT_EQ(play.timesPlayed("Jump"), x == 128.0f ? 1 : 0) << x;
    }
}

TEST_F(CharacterMotion, PosesWalkIdleAndFly) {
    const auto poses = [&](int frames, std::initializer_list<int> keys) {
        std::vector<int> seen;
        for (int i = 0; i < frames; ++i) {
            EXPECT_TRUE(play.frames(1, keys));
            seen.push_back(game.CharPose);
        }
        return seen;
    };
    startOnFloor('G');
    game.CharPose = 12;
    EXPECT_EQ(poses(9, {key::Right}), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
    // The long idle shows poses 11 to 16 for two frames each.
    game.CharVelX = 0.0f;
    game.IdleAnim = 11.0f;
    EXPECT_EQ(poses(12, {}), (std::vector<int>{11, 11, 12, 12, 13, 13, 14, 14, 15, 15, 16, 16}));
    EXPECT_EQ(game.IdleAnim, 0.0f);
    game.CharInAir = 1;
    game.CharY = 100.0f;
    EXPECT_EQ(poses(1, {key::Right}), std::vector<int>{8});
}

TEST_F(CharacterMotion, AFallThroughTheFloorCostsAHealthPointAndRestarts) {
    start({});
    game.Health = 3;
    game.CharX = 300.0f;
    ASSERT_GT(play.framesUntil([&] { return game.Health != 3; }, 60), 0);
    EXPECT_EQ(game.Health, 2);
    EXPECT_EQ((std::vector<float>{game.CharX, game.CharY, game.CharVelY}), (std::vector<float>{5, 534, 0}));
    EXPECT_EQ(game.CharInAir + game.EndDelay, 0);

    // A fall too fast for the landing rule passes a platform and the floor alike; the last
    // health point ends the game as a bomb would.
    start({{25, "       M"}, {29, kFloor}});
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

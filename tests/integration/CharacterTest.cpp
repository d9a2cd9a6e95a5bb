// The character on its platforms: grip and top speed per surface, and the net that catches a
// fall through the floor. Jumps, drops, landings, bounces, walls and poses are in the golden
// runs on the proving ground and in the whole game's replay.
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

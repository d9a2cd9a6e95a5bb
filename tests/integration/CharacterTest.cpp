// The net that catches a fall through the floor. Grip and top speed on each surface, extra
// speed, jumps, drops, landings, bounces, walls and poses are in the golden runs on the proving
// ground and in the whole game's replay.
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

    PlayFixture play;
    Game& game = play.game;
};

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

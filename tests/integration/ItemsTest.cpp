// Picking items up: each kind's effect, picture and sound, several in one frame, and health
// that never wraps. (The items' animation and the timers running down are in the golden
// runs.)
#include <gtest/gtest.h>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class ItemPickUp : public ::testing::Test {
protected:
    // Items on row 28 stand on the floor of row 29; the character stands at x 360, touching
    // the item of column 7. Two crystals far up keep the level going.
    void start(const std::string& row28) {
        ASSERT_TRUE(play.startBare(
            PlayFixture::gridOf({{0, "              $$"}, {28, row28}, {29, std::string(16, 'G')}})));
        play.standOn(play.platformAt(29, 7), 360.0f);
    }
    // The items of row 28, after the two crystals of row 0.
    ItemRec& item(int n) { return game.Items[2 + n]; }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(ItemPickUp, EachItemHasItsEffectPictureAndSoundAndIsTakenOnce) {
    struct Kind {
        std::string letter;
        int16_t Game::*counter;
        int16_t before, after;
        SurfaceRef Game::*picture;
        const char* sound;
    } const kinds[] = {
        {"^", &Game::HyperJumps, 3, 5, &Game::SurfHighJump, "HyperJump"},
        {">", &Game::SpeedTime, 100, 900, &Game::SurfExtraSpeed, "Speed"},
        {"!", &Game::InvulnerableTime, 100, 300, &Game::SurfInvulnerable, "Invulnerability"},
        {"*", &Game::BallBlasterTime, 100, 450, &Game::SurfShoot, "BallBlaster"},
        {"L", &Game::Health, 7, 8, &Game::SurfExtraHealth, "ExtraHealth"},
        {"$", &Game::CrystalsTaken, 0, 1, &Game::SurfCrystal, "Crystal"},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.letter);
        start("       " + kind.letter);
        game.Score = 100;
        game.*kind.counter = kind.before;
        const ItemRec before = item(0);
        ASSERT_TRUE(play.frames(1));

        EXPECT_EQ(game.*kind.counter, kind.after) << "set, not added to";
        EXPECT_EQ(game.Score, kind.letter == "$" ? 120 : 100);
        EXPECT_EQ(play.played(), (std::vector<std::string>{kind.sound}));
        EXPECT_EQ((Rect{item(0).Left, item(0).Top, item(0).Right, item(0).Bottom}),
                  (Rect{800, before.Top, 840, before.Bottom}))
            << "moved off the screen";
        const ParticleSystem& effect = game.ParticleSystems[0];
        EXPECT_EQ(effect.Picture, (game.*kind.picture).get());
        EXPECT_EQ((std::vector<float>{effect.OriginX, effect.OriginY}),
                  (std::vector<float>{static_cast<float>(before.Left), static_cast<float>(before.Top)}));
        EXPECT_EQ(effect.PieceWidth, kind.letter == "$" ? 10 : 2) << "crystal or pick-up settings";

        play.played().clear();
        game.CharX = 800.0f - 35.0f;
        ASSERT_TRUE(play.frames(2));
        EXPECT_TRUE(play.played().empty()) << "a taken item is never taken again";
    }

    start("       C");
    ASSERT_TRUE(play.frames(1));
    EXPECT_TRUE(game.DoviRescued);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Powerup", "Teleport"}));
    EXPECT_EQ(game.ParticleSystems[0].Picture, game.SurfDovi.get());
}

// Health stops at its limit instead of wrapping.
TEST_F(ItemPickUp, ItemsTouchingTogetherAreTakenInIndexOrder) {
    start("       L!");
    game.CharX = 380.0f;
    game.Health = 32767;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(play.played(), (std::vector<std::string>{"ExtraHealth", "Invulnerability"}));
    EXPECT_EQ(game.Health, 32767);
    EXPECT_EQ(item(1).Left, 800);
    EXPECT_EQ(game.ParticleSystems[1].Picture, game.SurfInvulnerable.get());
}

}  // namespace
}  // namespace vorn::test

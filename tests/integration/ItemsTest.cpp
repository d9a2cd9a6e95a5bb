// Picking items up: each kind's effect, picture and sound, several in one frame, a failing
// sound, the counters that never wrap, the items' animation and the power-up timers.
#include <gtest/gtest.h>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class ItemPickUp : public ::testing::Test {
protected:
    // Items on row 28 stand on the floor of row 29; the character stands at x 360, touching
    // the item of column 7. Two crystals far up keep the level going.
    void start(const std::string& row28) {
        Grid grid = PlayFixture::emptyGrid();
        grid[0] = "              $$";
        grid[28] = row28;
        grid[29] = "GGGGGGGGGGGGGGGG";
        ASSERT_TRUE(play.startLevel(1, grid));
        play.clearBombs();
        play.standOn(play.platformAt(29, 7), 360.0f);
        play.played().clear();
    }
    // The items of row 28, after the two crystals of row 0.
    ItemRec& item(int n) { return game.Items[2 + n]; }

    PlayFixture play;
    Game& game = play.game;
};

struct PowerUp {
    std::string letter;
    int16_t Game::*counter;
    int16_t before, after;
    SurfaceRef Game::*picture;
    const char* sound;
};

TEST_F(ItemPickUp, EachItemHasItsEffectPictureAndSound) {
    const PowerUp kinds[] = {
        {"^", &Game::HyperJumps, 3, 5, &Game::SurfHighJump, "HyperJump"},
        {">", &Game::SpeedTime, 100, 900, &Game::SurfExtraSpeed, "Speed"},
        {"!", &Game::InvulnerableTime, 100, 300, &Game::SurfInvulnerable, "Invulnerability"},
        {"*", &Game::BallBlasterTime, 100, 450, &Game::SurfShoot, "BallBlaster"},
        {"L", &Game::Health, 7, 8, &Game::SurfExtraHealth, "ExtraHealth"},
        {"$", &Game::CrystalsTaken, 0, 1, &Game::SurfCrystal, "Crystal"},
    };
    for (const PowerUp& kind : kinds) {
        SCOPED_TRACE(kind.letter);
        start("       " + kind.letter);
        game.Health = 7;
        game.Score = 100;
        game.*kind.counter = kind.before;
        const ItemRec before = item(0);
        ASSERT_TRUE(play.frames(1));

        EXPECT_EQ(game.*kind.counter, kind.after) << "set, not added to";
        EXPECT_EQ(game.Score, kind.letter == "$" ? 120 : 100);
        EXPECT_EQ(play.played(), (std::vector<std::string>{kind.sound}));
        const ItemRec& taken = item(0);
        EXPECT_EQ((Rect{taken.Left, taken.Top, taken.Right, taken.Bottom}),
                  (Rect{800, before.Top, 840, before.Bottom}));

        const ParticleSystem& effect = game.ParticleSystems[0];
        EXPECT_TRUE(effect.Active);
        EXPECT_EQ(effect.Picture, (game.*kind.picture).get());
        EXPECT_EQ(effect.OriginX, static_cast<float>(before.Left));
        EXPECT_EQ(effect.OriginY, static_cast<float>(before.Top));
        if (kind.letter == "$") {
            EXPECT_EQ(effect.PieceWidth * 10 + effect.PieceHeight, 105) << "10 x 5 pieces";
            EXPECT_EQ(effect.CountX * 10 + effect.CountY, 47);
        } else {
            EXPECT_EQ(effect.PieceWidth * 10 + effect.PieceHeight, 22) << "2 x 2 pieces";
            EXPECT_EQ(effect.CountX * 100 + effect.CountY, 2017);
            EXPECT_EQ(effect.Gravity, -2.0f) << "pick-ups rise";
        }

        // A taken item is never taken again.
        play.played().clear();
        game.CharX = 800.0f - 35.0f;
        ASSERT_TRUE(play.frames(2));
        EXPECT_TRUE(play.played().empty());
    }

    start("       C");
    ASSERT_TRUE(game.LevelHasDovi);
    ASSERT_TRUE(play.frames(1));
    EXPECT_TRUE(game.DoviRescued);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Powerup", "Teleport"}));
    EXPECT_EQ(game.ParticleSystems[0].Picture, game.SurfDovi.get());
}

TEST_F(ItemPickUp, ScoreAndHealthStopAtTheirLimitInsteadOfWrapping) {
    start("       $L");
    game.CharX = 380.0f;
    game.Score = 32760;
    game.Health = 32767;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.Score, 32767);
    EXPECT_EQ(game.Health, 32767);
    EXPECT_EQ(game.CrystalsTaken, 1);
}

TEST_F(ItemPickUp, ItemsTouchingTogetherAreTakenInIndexOrder) {
    start("       >!");
    game.CharX = 380.0f;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(play.played(), (std::vector<std::string>{"Speed", "Invulnerability"}));
    EXPECT_EQ(item(0).Left, 800);
    EXPECT_EQ(item(1).Left, 800);
    EXPECT_EQ(game.ParticleSystems[0].Picture, game.SurfExtraSpeed.get());
    EXPECT_EQ(game.ParticleSystems[1].Picture, game.SurfInvulnerable.get());
}

TEST_F(ItemPickUp, AFailingSoundStopsThePickUpsOfTheFrame) {
    start("       >!");
    game.CharX = 380.0f;
    play.host.sound.failPlay = true;
    play.messages().clear();
    EXPECT_TRUE(play.frames(1)) << "the frame itself goes on";
    EXPECT_EQ(game.SpeedTime, 900) << "the effect was applied before the sound";
    EXPECT_TRUE(game.ParticleSystems[0].Active);
    EXPECT_EQ(item(0).Left, 355) << "the item stays";
    EXPECT_EQ(game.InvulnerableTime, 0) << "the next item is not looked at";
    EXPECT_EQ(play.messages().size(), 1u);

    // With sound off nothing can fail.
    game.SoundEffects = 0;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(item(0).Left, 800);
    EXPECT_EQ(item(1).Left, 800);
    EXPECT_EQ(game.InvulnerableTime, 300);
}

TEST_F(ItemPickUp, ItemsTurnAndDoviWavesMoreSlowly) {
    start("  >      C");
    game.CharX = 600.0f;
    item(0).Frame = 15.0f;
    item(1).Frame = 15.5f;
    std::vector<float> frames, dovi;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(play.frames(1));
        frames.push_back(item(0).Frame);
        dovi.push_back(item(1).Frame);
    }
    EXPECT_EQ(frames, (std::vector<float>{15.5f, 0.0f, 0.5f}));
    EXPECT_FLOAT_EQ(dovi[0], 15.8f);
    EXPECT_EQ(dovi[1], 0.0f);
    EXPECT_FLOAT_EQ(dovi[2], 0.3f);
}

TEST_F(ItemPickUp, PowerUpTimersRunDownEveryFrameEvenWhileTheLevelEnds) {
    start("");
    game.SpeedTime = 2;
    game.InvulnerableTime = 3;
    game.BallBlasterTime = 1;
    game.HyperJumps = 4;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(game.SpeedTime, 1);
    EXPECT_EQ(game.InvulnerableTime, 2);
    EXPECT_EQ(game.BallBlasterTime, 0);
    EXPECT_EQ(game.HyperJumps, 4) << "high jumps go only when used";
    game.EndDelay = 50;
    ASSERT_TRUE(play.frames(3));
    EXPECT_EQ(game.SpeedTime, 0);
    EXPECT_EQ(game.InvulnerableTime, 0);
    EXPECT_EQ(game.BallBlasterTime, 0);
}

}  // namespace
}  // namespace vorn::test

// What happens when bombs touch: two hot bombs blow each other up, any bomb blows up on the
// character unless it is invulnerable.
#include "BombWorld.h"

namespace vorn::test {
namespace {

using BombTouch = BombWorld;

TEST_F(BombTouch, TwoHotBombsExplodeTogetherForEightyPointsOnePairAtATime) {
    BombRec& mover = placeBomb(0, 300.0f, 100.0f, 6.0f);
    BombRec& right = placeBomb(1, 320.0f, 100.0f, 6.0f);
    BombRec& left = placeBomb(2, 275.0f, 100.0f, 6.0f);
    mover.Hot = right.Hot = left.Hot = true;
    game.Score = 100;
    game.moveBombs();
    EXPECT_TRUE(mover.Dead && right.Dead);
    EXPECT_FALSE(left.Dead) << "its partner was already taken";
    EXPECT_FLOAT_EQ(right.X, 320.0f) << "a bomb that died this frame does not move";
    EXPECT_EQ(game.Score, 180);
    EXPECT_EQ(played(), std::vector<std::string>{"Explosion"});
    ASSERT_EQ(activeEffects(), 2);
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginX, 306.0f) << "the moving bomb's effect comes first";
    EXPECT_FLOAT_EQ(game.ParticleSystems[1].OriginX, 320.0f);

    // A bomb still waiting is hit where it waits, and the score stops at its limit.
    placeBomb(3, 300.0f, 300.0f, 6.0f).Hot = true;
    BombRec& waiting = placeBomb(4, 330.0f, 300.0f, 6.0f);
    waiting.Delay = 50;
    waiting.Hot = true;
    game.Score = 32700;
    game.moveBombs();
    EXPECT_TRUE(waiting.Dead && game.Bombs[3].Dead);
    EXPECT_EQ(game.Score, 32767);
}

TEST_F(BombTouch, ColdBombsPassThroughEachOtherAndThroughHotOnes) {
    for (bool firstHot : {false, true}) {
        BombRec& a = placeBomb(0, 300.0f, 100.0f, 6.0f);
        BombRec& b = placeBomb(1, 320.0f, 100.0f, -6.0f);
        a.Hot = firstHot;
        game.moveBombs();
        game.moveBombs();
        EXPECT_FALSE(a.Dead || b.Dead);
    }
    EXPECT_EQ(game.Score + activeEffects(), 0);
}

TEST_F(BombTouch, TheFirstTouchingBombHurtsTheCharacterOncePerFrame) {
    game.CharX = game.CharY = 300.0f;  // hit rectangle 305 to 335, 300 to 336
    game.Health = 2;
    placeBomb(0, 100.0f, 100.0f, 6.0f);
    BombRec& first = placeBomb(1, 290.0f, 290.0f, 6.0f);
    BombRec& second = placeBomb(2, 310.0f, 300.0f, 6.0f);
    second.Delay = 40;  // waiting bombs hurt too
    game.CheckBombHitsChar();
    EXPECT_TRUE(first.Dead);
    EXPECT_FALSE(second.Dead || game.Bombs[0].Dead);
    EXPECT_EQ(game.Health, 1);
    EXPECT_EQ(game.EndDelay, 0);
    EXPECT_EQ(played(), std::vector<std::string>{"Explosion"});
    ASSERT_EQ(activeEffects(), 1);
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginY, 290.0f);

    game.CheckBombHitsChar();
    EXPECT_TRUE(second.Dead);
    EXPECT_EQ(game.Health, 0);
    EXPECT_EQ(game.EndDelay, 100) << "the last health point ends the game";
    game.CheckBombHitsChar();
    EXPECT_EQ(activeEffects(), 2) << "dead bombs do not hurt";
}

TEST_F(BombTouch, InvulnerabilitySparesTheCharacter) {
    game.CharX = game.CharY = 300.0f;
    BombRec& b = placeBomb(0, 300.0f, 300.0f, 6.0f);
    for (int time : {1, 300, -1}) {
        game.InvulnerableTime = static_cast<int16_t>(time);
        game.CheckBombHitsChar();
        EXPECT_FALSE(b.Dead) << "invulnerable for " << time;
    }
    EXPECT_EQ(game.Health, 7);
    EXPECT_EQ(activeEffects(), 0);
}

}  // namespace
}  // namespace vorn::test

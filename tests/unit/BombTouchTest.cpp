// What happens when bombs touch: two hot bombs blow each other up, any bomb blows up on the
// character unless it is invulnerable.
#include "BombWorld.h"

namespace vorn::test {
namespace {

using BombTouch = BombWorld;

TEST_F(BombTouch, TwoHotBombsExplodeTogetherForEightyPoints) {
    BombRec& a = placeBomb(0, 300.0f, 100.0f, 6.0f);
    BombRec& b = placeBomb(1, 320.0f, 100.0f, 6.0f);
    a.Hot = b.Hot = true;
    game.Score = 100;
    game.moveBombs();

    EXPECT_TRUE(a.Dead);
    EXPECT_TRUE(b.Dead);
    EXPECT_FLOAT_EQ(b.X, 320.0f) << "a bomb that died this frame does not move";
    EXPECT_EQ(game.Score, 180);
    EXPECT_EQ(played(), std::vector<std::string>{"Explosion"});
    ASSERT_EQ(activeEffects(), 2);
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginX, 306.0f) << "the moving bomb's effect comes first";
    EXPECT_FLOAT_EQ(game.ParticleSystems[1].OriginX, 320.0f);
    EXPECT_EQ(game.ParticleSystems[0].CountX, 20) << "with the explosion settings";
    EXPECT_FLOAT_EQ(game.ParticleSystems[1].Gravity, 0.5f);

    // The score stops at its limit instead of turning negative.
    placeBomb(0, 300.0f, 100.0f, 6.0f).Hot = true;
    placeBomb(1, 320.0f, 100.0f, 6.0f).Hot = true;
    game.Score = 32700;
    game.moveBombs();
    EXPECT_EQ(game.Score, 32767);
}

TEST_F(BombTouch, ColdBombsPassThroughEachOtherAndThroughHotOnes) {
    for (bool firstHot : {false, true}) {
        BombRec& a = placeBomb(0, 300.0f, 100.0f, 6.0f);
        BombRec& b = placeBomb(1, 320.0f, 100.0f, -6.0f);
        a.Hot = firstHot;
        game.moveBombs();
        game.moveBombs();
        EXPECT_FALSE(a.Dead);
        EXPECT_FALSE(b.Dead);
        EXPECT_EQ(game.Score, 0);
        EXPECT_EQ(activeEffects(), 0);
        EXPECT_TRUE(played().empty());
    }
}

TEST_F(BombTouch, OnePairAtATimeTheLowestIndexFirstAndWaitingBombsCount) {
    BombRec& mover = placeBomb(0, 300.0f, 100.0f, 6.0f);
    BombRec& right = placeBomb(1, 330.0f, 100.0f, 6.0f);
    BombRec& left = placeBomb(2, 275.0f, 100.0f, 6.0f);
    mover.Hot = right.Hot = left.Hot = true;
    game.moveBombs();
    EXPECT_TRUE(mover.Dead);
    EXPECT_TRUE(right.Dead);
    EXPECT_FALSE(left.Dead) << "its partner was already taken";
    EXPECT_FLOAT_EQ(left.X, 281.0f);
    EXPECT_EQ(game.Score, 80);
    EXPECT_EQ(activeEffects(), 2);

    // A bomb still waiting at its starting point is hit where it waits.
    BombRec& waiting = placeBomb(4, 330.0f, 300.0f, 6.0f);
    waiting.Delay = 50;
    waiting.Hot = true;
    placeBomb(3, 300.0f, 300.0f, 6.0f).Hot = true;
    game.moveBombs();
    EXPECT_TRUE(waiting.Dead);
    EXPECT_TRUE(game.Bombs[3].Dead);
    EXPECT_EQ(game.Score, 160);
}

TEST_F(BombTouch, AFailedExplosionSoundLeavesHotBombsAsTheyWere) {
    BombRec& a = placeBomb(0, 300.0f, 100.0f, 6.0f);
    BombRec& b = placeBomb(1, 320.0f, 100.0f, 6.0f);
    a.Hot = b.Hot = true;
    host.sound.failPlay = true;
    game.moveBombs();
    EXPECT_FALSE(a.Dead);
    EXPECT_FALSE(b.Dead);
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(activeEffects(), 0);
    EXPECT_FLOAT_EQ(a.X, 306.0f) << "the bombs still moved";
    EXPECT_FLOAT_EQ(b.X, 326.0f);
}

TEST_F(BombTouch, TheFirstTouchingBombHurtsTheCharacterOncePerFrame) {
    game.CharX = 300.0f;  // hit rectangle 305 to 335, 300 to 336
    game.CharY = 300.0f;
    placeBomb(0, 100.0f, 100.0f, 6.0f);
    BombRec& first = placeBomb(1, 290.0f, 290.0f, 6.0f);
    BombRec& second = placeBomb(2, 310.0f, 300.0f, 6.0f);

    game.CheckBombHitsChar();
    EXPECT_TRUE(first.Dead);
    EXPECT_FALSE(second.Dead);
    EXPECT_FALSE(game.Bombs[0].Dead);
    EXPECT_EQ(game.Health, 6);
    EXPECT_EQ(game.EndDelay, 0);
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(played(), std::vector<std::string>{"Explosion"});
    ASSERT_EQ(activeEffects(), 1);
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginX, 290.0f);
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginY, 290.0f);

    game.CheckBombHitsChar();
    EXPECT_TRUE(second.Dead);
    EXPECT_EQ(game.Health, 5);

    game.CheckBombHitsChar();
    EXPECT_EQ(game.Health, 5) << "dead bombs do not hurt";
    EXPECT_EQ(activeEffects(), 2);

    // A waiting bomb hurts too.
    BombRec& waiting = placeBomb(3, 300.0f, 310.0f, 6.0f);
    waiting.Delay = 40;
    game.CheckBombHitsChar();
    EXPECT_TRUE(waiting.Dead);
    EXPECT_EQ(game.Health, 4);
}

TEST_F(BombTouch, InvulnerabilityAndFailedSoundsSpareTheCharacter) {
    game.CharX = 300.0f;
    game.CharY = 300.0f;
    BombRec& b = placeBomb(0, 300.0f, 300.0f, 6.0f);
    for (int16_t time : {int16_t{1}, int16_t{300}, int16_t{-1}}) {
        game.InvulnerableTime = time;
        game.CheckBombHitsChar();
        EXPECT_FALSE(b.Dead) << "invulnerable for " << time;
        EXPECT_EQ(game.Health, 7);
    }

    game.InvulnerableTime = 0;
    host.sound.failPlay = true;
    game.CheckBombHitsChar();
    EXPECT_FALSE(b.Dead);
    EXPECT_EQ(game.Health, 7);
    EXPECT_EQ(activeEffects(), 0);

    // With sound effects off nothing is played and the bomb explodes all the same.
    game.SoundEffects = 0;
    game.CheckBombHitsChar();
    EXPECT_TRUE(b.Dead);
    EXPECT_EQ(game.Health, 6);
    EXPECT_TRUE(played().empty());
}

TEST_F(BombTouch, LosingTheLastHealthPointStartsTheEndCountDown) {
    game.CharX = 300.0f;
    game.CharY = 300.0f;
    placeBomb(0, 300.0f, 300.0f, 6.0f);
    placeBomb(1, 300.0f, 300.0f, 6.0f);
    game.Health = 2;
    game.CheckBombHitsChar();
    EXPECT_EQ(game.Health, 1);
    EXPECT_EQ(game.EndDelay, 0);
    game.CheckBombHitsChar();
    EXPECT_EQ(game.Health, 0);
    EXPECT_EQ(game.EndDelay, 100);
}

}  // namespace
}  // namespace vorn::test

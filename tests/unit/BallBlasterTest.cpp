// The ball blaster: firing, flight, and what a ball strikes.
#include "BombWorld.h"

namespace vorn::test {
namespace {

class BallBlaster : public BombWorld {
protected:
    BallBlaster() { game.BallBlasterTime = 500; }
    void hold(int code) { game.KeyState[code] = 0x80; }
};

TEST_F(BallBlaster, AHeldFireKeyFiresEverySixthFrame) {
    hold(key::LCtrl);
    game.ShotDelay = 0;
    int firedIn[3] = {};
    int fired = 0;
    for (int frame = 1; frame <= 13; ++frame) {
        const int before = activeShots();
        ASSERT_TRUE(game.fire());
        if (activeShots() > before && fired < 3) firedIn[fired++] = frame;
    }
    EXPECT_EQ(activeShots(), 3);
    EXPECT_EQ(firedIn[0], 1);
    EXPECT_EQ(firedIn[1], 7);
    EXPECT_EQ(firedIn[2], 13);
    EXPECT_EQ(played(), (std::vector<std::string>{"Shoot", "Shoot", "Shoot"}));
    EXPECT_TRUE(game.Shots[0].Active && game.Shots[1].Active && game.Shots[2].Active) << "lowest slots first";
    EXPECT_EQ(game.ShotDelay, 5) << "set to 6 and counted down in the frame it fired";
}

TEST_F(BallBlaster, EveryFireKeyFiresButOnlyWithTheBlaster) {
    for (int code : {key::LCtrl, key::LShift, key::RShift, key::RCtrl}) {
        game.KeyState[code] = 0x80;
        game.Shots[0].Active = false;
        game.ShotDelay = 0;
        EXPECT_TRUE(game.fire());
        EXPECT_TRUE(game.Shots[0].Active) << "key " << code;
        game.KeyState[code] = 0;
    }

    game.Shots[0].Active = false;
    for (int code : {key::Space, key::Up, key::Down, key::Left, key::Right, key::P}) {
        game.KeyState[code] = 0x80;
        game.ShotDelay = 0;
        game.fire();
        EXPECT_FALSE(game.Shots[0].Active) << "key " << code;
        game.KeyState[code] = 0;
    }

    hold(key::RCtrl);
    game.BallBlasterTime = 0;
    game.ShotDelay = 0;
    game.fire();
    EXPECT_EQ(activeShots(), 0);

    // The delay runs down whether a key is held or not.
    game.KeyState[key::RCtrl] = 0;
    game.ShotDelay = 3;
    game.fire();
    EXPECT_EQ(game.ShotDelay, 2);
}

TEST_F(BallBlaster, ABallStartsBesideTheCharacterInTheDirectionItFaces) {
    hold(key::LShift);
    game.CharX = 101.5f;
    game.CharY = 200.5f;
    game.CharFacing = 1;
    game.fire();
    const ShotRec& right = game.Shots[0];
    EXPECT_EQ(right.X, 142) << "141.5 rounds to even";
    EXPECT_EQ(right.Y, 208) << "208.5 rounds to even";
    EXPECT_FLOAT_EQ(right.VelX, 15.0f);
    EXPECT_EQ(right.Direction, 1);
    EXPECT_FLOAT_EQ(right.Frame, 1.0f);

    game.CharX = 101.5f;
    game.CharY = 201.5f;
    game.CharFacing = 0;
    game.ShotDelay = 0;
    game.fire();
    const ShotRec& left = game.Shots[1];
    EXPECT_EQ(left.X, 82);
    EXPECT_EQ(left.Y, 210);
    EXPECT_FLOAT_EQ(left.VelX, -15.0f);
    EXPECT_EQ(left.Direction, 0);
}

TEST_F(BallBlaster, FiftyBallsInFlightLeaveNoRoomAndAFailedSoundEndsTheFrame) {
    hold(key::RShift);
    for (int j = 0; j < kMaxShots; ++j) placeShot(j, 100, 100, 15.0f);
    game.ShotDelay = 0;
    EXPECT_TRUE(game.fire());
    EXPECT_EQ(game.ShotDelay, 0) << "nothing fired";
    EXPECT_TRUE(played().empty());

    game.Shots[17].Active = false;
    game.Shots[30].Active = false;
    game.CharX = 400.0f;
    game.CharFacing = 1;
    game.fire();
    EXPECT_TRUE(game.Shots[17].Active);
    EXPECT_EQ(game.Shots[17].X, 440);
    EXPECT_FALSE(game.Shots[30].Active);

    host.sound.failPlay = true;
    game.ShotDelay = 0;
    EXPECT_FALSE(game.fire());
    EXPECT_TRUE(game.Shots[30].Active) << "the ball was already on its way";
    EXPECT_EQ(game.ShotDelay, 6) << "the frame ended before the count-down";
}

TEST_F(BallBlaster, BallsFlyFifteenPixelsAFrameAndStopAtTheScreenSides) {
    ShotRec& a = placeShot(0, 100, 100, 15.0f);
    ShotRec& b = placeShot(1, 400, 100, -15.0f);
    ShotRec& idle = placeShot(2, 200, 100, 15.0f);
    idle.Active = false;
    game.moveShots();
    EXPECT_EQ(a.X, 115);
    EXPECT_EQ(b.X, 385);
    EXPECT_EQ(idle.X, 200);
    EXPECT_TRUE(played().empty());

    // Just inside on both sides, then out.
    ShotRec& right = placeShot(0, 766, 100, 15.0f);
    ShotRec& left = placeShot(1, 14, 100, -15.0f);
    game.moveShots();
    EXPECT_TRUE(right.Active);
    EXPECT_TRUE(left.Active);
    game.moveShots();
    EXPECT_FALSE(right.Active);
    EXPECT_FALSE(left.Active);
    EXPECT_EQ(played(), (std::vector<std::string>{"Hit", "Hit"}));
}

TEST_F(BallBlaster, TheFifthHitDestroysABombForFortyPoints) {
    BombRec& bomb = placeBomb(0, 300.0f, 300.0f, 6.0f);
    for (int hit = 1; hit <= 5; ++hit) {
        SCOPED_TRACE(hit);
        host.sound.played.clear();
        bomb.FlashTime = 0;
        ShotRec& s = placeShot(hit % 3, 270, 310, 15.0f);
        game.moveShots();
        EXPECT_FALSE(s.Active);
        EXPECT_EQ(bomb.Hits, hit);
        EXPECT_TRUE(bomb.Hot);
        EXPECT_EQ(bomb.FlashTime, 5);
        EXPECT_EQ(bomb.Dead, hit == 5);
        EXPECT_EQ(game.Score, hit == 5 ? 40 : 0);
        EXPECT_EQ(activeEffects(), hit == 5 ? 1 : 0);
        const std::vector<std::string> expected =
            hit == 5 ? std::vector<std::string>{"Explosion", "HitBomb"} : std::vector<std::string>{"HitBomb"};
        EXPECT_EQ(played(), expected);
    }
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginX, 300.0f);

    // A dead bomb is no target any more.
    ShotRec& s = placeShot(0, 270, 310, 15.0f);
    game.moveShots();
    EXPECT_TRUE(s.Active);
    EXPECT_EQ(bomb.Hits, 5);
}

TEST_F(BallBlaster, ABallStrikesTheLowestLivingBombItTouches) {
    placeBomb(0, 300.0f, 300.0f, 6.0f).Dead = true;
    BombRec& first = placeBomb(1, 300.0f, 300.0f, 6.0f);
    BombRec& second = placeBomb(2, 295.0f, 305.0f, 6.0f);
    placeShot(0, 270, 310, 15.0f);
    game.moveShots();
    EXPECT_EQ(game.Bombs[0].Hits, 0);
    EXPECT_EQ(first.Hits, 1);
    EXPECT_EQ(second.Hits, 0);
    EXPECT_FALSE(second.Hot);
}

TEST_F(BallBlaster, AFailedExplosionSoundSparesTheBombOnItsFifthHit) {
    BombRec& bomb = placeBomb(0, 300.0f, 300.0f, 6.0f);
    bomb.Hits = 4;
    host.sound.failPlay = true;
    ShotRec& s = placeShot(0, 270, 310, 15.0f);
    game.moveShots();
    EXPECT_EQ(bomb.Hits, 5);
    EXPECT_FALSE(bomb.Dead);
    EXPECT_FALSE(bomb.Hot);
    EXPECT_EQ(bomb.FlashTime, 0);
    EXPECT_TRUE(s.Active);
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(activeEffects(), 0);
}

TEST_F(BallBlaster, EveryTestRunsForABallThatWasInFlightAtTheStartOfItsStep) {
    // Leaving the screen while touching a bomb still counts as a hit.
    BombRec& bomb = placeBomb(0, 770.0f, 300.0f, 6.0f);
    ShotRec& s = placeShot(0, 770, 310, 15.0f);
    game.moveShots();
    EXPECT_FALSE(s.Active);
    EXPECT_EQ(bomb.Hits, 1);
    EXPECT_EQ(played(), (std::vector<std::string>{"Hit", "HitBomb"}));

    // A ball that struck a bomb still sounds on the platform it touches, and one leaving the
    // screen over a platform sounds twice.
    host.sound.played.clear();
    addPlatform(15, 6, 0);   // 310 to 340, 302 to 317
    addPlatform(15, 15, 0);  // 760 to 790
    placeShot(0, 280, 300, 15.0f);
    placeShot(1, 270, 310, 15.0f);
    game.Bombs[0].X = 300.0f;
    placeShot(2, 770, 300, 15.0f);
    game.moveShots();
    EXPECT_EQ(activeShots(), 0);
    EXPECT_EQ(bomb.Hits, 3);
    EXPECT_EQ(played(), (std::vector<std::string>{"HitBomb", "Hit", "HitBomb", "Hit", "Hit"}));
}

TEST_F(BallBlaster, BallsOnlyStopAtPlatformsTheyTouch) {
    addPlatform(15, 6, 0);                          // 310 to 340, 302 to 317
    ShotRec& over = placeShot(0, 280, 280, 15.0f);  // 281 to 299 high
    ShotRec& into = placeShot(1, 280, 300, 15.0f);
    game.moveShots();
    EXPECT_TRUE(over.Active);
    EXPECT_FALSE(into.Active);
    EXPECT_EQ(played(), std::vector<std::string>{"Hit"});
}

TEST_F(BallBlaster, AnimationCyclesSixteenFramesForBallsInFlight) {
    ShotRec& a = placeShot(0, 0, 0, 15.0f);
    a.Frame = 1.0f;
    ShotRec& b = placeShot(1, 0, 0, 15.0f);
    b.Frame = 15.0f;
    ShotRec& idle = placeShot(2, 0, 0, 15.0f);
    idle.Active = false;
    idle.Frame = 4.0f;
    game.animateShots();
    EXPECT_FLOAT_EQ(a.Frame, 2.0f);
    EXPECT_FLOAT_EQ(b.Frame, 0.0f);
    EXPECT_FLOAT_EQ(idle.Frame, 4.0f);
}

}  // namespace
}  // namespace vorn::test

// The ball blaster: what fires, the room for balls, and what a ball strikes. (How balls start
// and fly is in the golden runs.)
#include "BombWorld.h"

namespace vorn::test {
namespace {

class BallBlaster : public BombWorld {
protected:
    BallBlaster() { game.BallBlasterTime = 500; }
    // Fires once with only this key down; whether a ball left.
    bool fireWith(int code) {
        for (ShotRec& s : game.Shots) s.Active = false;
        game.KeyState[code] = 0x80;
        game.ShotDelay = 0;
        EXPECT_TRUE(game.fire());
        game.KeyState[code] = 0;
        return game.Shots[0].Active;
    }
};

TEST_F(BallBlaster, OnlyTheFourFireKeysFireAndOnlyWithTheBlaster) {
    for (int code : {key::LCtrl, key::LShift, key::RShift, key::RCtrl}) EXPECT_TRUE(fireWith(code)) << code;
    for (int code : {key::Space, key::Up, key::Down, key::Left, key::Right, key::P})
        EXPECT_FALSE(fireWith(code)) << code;
    game.BallBlasterTime = 0;
    EXPECT_FALSE(fireWith(key::RCtrl));
    EXPECT_EQ(played(), std::vector<std::string>(4, "Shoot"));
}

TEST_F(BallBlaster, FiftyBallsInFlightLeaveNoRoomUntilOneLands) {
    game.KeyState[key::RShift] = 0x80;
    for (int j = 0; j < kMaxShots; ++j) placeShot(j, 100, 100, 15.0f);
    EXPECT_TRUE(game.fire());
    EXPECT_EQ(game.ShotDelay, 0) << "nothing fired";

    game.Shots[17].Active = game.Shots[30].Active = false;
    EXPECT_TRUE(game.fire());
    EXPECT_TRUE(game.Shots[17].Active) << "the lowest free slot";
    EXPECT_FALSE(game.Shots[30].Active);
}

TEST_F(BallBlaster, TheFifthHitOnTheLowestLivingBombDestroysItForFortyPoints) {
    placeBomb(0, 300.0f, 300.0f, 6.0f).Dead = true;
    BombRec& bomb = placeBomb(1, 300.0f, 300.0f, 6.0f);
    BombRec& behind = placeBomb(2, 295.0f, 305.0f, 6.0f);
    for (int hit = 1; hit <= 5; ++hit) {
        SCOPED_TRACE(hit);
        played().clear();
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
        const std::vector<std::string> sounds{"Explosion", "HitBomb"};
        EXPECT_EQ(played(), hit == 5 ? sounds : std::vector<std::string>{"HitBomb"});
    }
    EXPECT_EQ(game.Bombs[0].Hits + behind.Hits, 0);
    placeShot(0, 270, 310, 15.0f);
    game.moveShots();
    EXPECT_EQ(behind.Hits, 1) << "the dead bomb is no target any more";
}

TEST_F(BallBlaster, EveryTestRunsForABallAndOnlyTouchedPlatformsStopIt) {
    // Leaving the screen while touching a bomb still counts as a hit.
    BombRec& bomb = placeBomb(0, 770.0f, 300.0f, 6.0f);
    ShotRec& s = placeShot(0, 770, 310, 15.0f);
    game.moveShots();
    EXPECT_FALSE(s.Active);
    EXPECT_EQ(bomb.Hits, 1);
    EXPECT_EQ(played(), (std::vector<std::string>{"Hit", "HitBomb"}));

    // A ball that struck a bomb still sounds on the platform it touches; one that passes just
    // over a platform flies on.
    played().clear();
    bomb.X = 300.0f;
    addPlatform(15, 6, 0);  // 310 to 340, 302 to 317
    placeShot(0, 280, 300, 15.0f);
    ShotRec& over = placeShot(1, 280, 280, 15.0f);  // 281 to 299 high
    game.moveShots();
    EXPECT_EQ(bomb.Hits, 2);
    EXPECT_TRUE(over.Active);
    EXPECT_EQ(played(), (std::vector<std::string>{"HitBomb", "Hit"}));
}

}  // namespace
}  // namespace vorn::test

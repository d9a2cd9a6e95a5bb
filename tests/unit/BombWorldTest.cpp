// Bombs, balls and effects on an empty level in play: the platforms are placed on grid cells as
// a level would place them, and bombs, balls and the character are set directly. What happens
// when bombs touch (two hot bombs blow each other up, any bomb blows up on the character unless
// it is invulnerable); the ball blaster (what fires, the room for balls, what a ball strikes;
// how balls start and fly is in the golden runs); and the particle effects (the fifteen slots,
// the life of an effect, and how an explosion and a crystal fly).
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/state/Game.h"
#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class BombWorld : public ::testing::Test {
protected:
    BombWorld() {
        if (!play.startBare(PlayFixture::emptyGrid()))
            throw std::runtime_error("the empty level did not start");
        game.Score = 0;
        game.ShotDelay = 0;
        game.Rng.seed(12345);
        // The character stands out of everyone's way unless a test moves it.
        game.CharX = 380.0f;
        game.CharY = -200.0f;
    }

    // A platform on a grid cell, as a level lays it out: 30 pixels wide, centred in the cell.
    const PlatformRec& addPlatform(int row, int column, int16_t kind) {
        PlatformRec& p = game.Platforms[game.PlatformCount++];
        p = PlatformRec{column * 50 + 10, row * 20 + (kind == 1 ? 13 : 2), column * 50 + 40, row * 20 + 17,
                        kind};
        return p;
    }

    // A moving bomb, already past its waiting time.
    BombRec& placeBomb(int i, float x, float y, float velX, float velY = 0.0f) {
        game.BombCount = static_cast<int16_t>(std::max<int>(game.BombCount, i + 1));
        return game.Bombs[i] = BombRec{.VelX = velX, .VelY = velY, .X = x, .Y = y};
    }
    ShotRec& placeShot(int j, int16_t x, int16_t y, float velX) {
        return game.Shots[j] = ShotRec{.Active = true, .X = x, .Y = y, .VelX = velX};
    }

    int activeEffects() const {
        return static_cast<int>(std::ranges::count_if(game.ParticleSystems, &ParticleSystem::Active));
    }
    std::vector<std::string>& played() { return host.sound.played; }

    PlayFixture play;
    Game& game = play.game;
    HeadlessPlatform& host = play.host;
};

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

using ParticleEffects = BombWorld;

TEST_F(ParticleEffects, FifteenRunAtOnceForAHundredFramesAndAnEndedOneFreesItsSlot) {
    game.startExplosionEffect(0.0f, 0.0f);
    for (int frame = 0; frame < 10; ++frame) game.updateParticles();
    for (int i = 1; i <= kMaxParticleSystems; ++i) game.startExplosionEffect(static_cast<float>(i), 0.0f);
    EXPECT_EQ(activeEffects(), 15);
    EXPECT_TRUE(std::ranges::none_of(game.ParticleSystems, [](const ParticleSystem& s) {
        return s.OriginX == 15.0f;
    })) << "the sixteenth is dropped";
    for (int frame = 10; frame < 99; ++frame) game.updateParticles();
    EXPECT_TRUE(game.ParticleSystems[0].Active) << "the first still runs after 99 frames";
    game.updateParticles();
    EXPECT_FALSE(game.ParticleSystems[0].Active) << "and ends after exactly 100";
    game.startCrystalEffect(555.0f, 0.0f);
    EXPECT_EQ(game.ParticleSystems[0].OriginX, 555.0f);
}

TEST_F(ParticleEffects, AnExplosionBurstsUpAndFallsBackAndACrystalBreaksTheSameWayEveryTime) {
    const ParticleSystem& s = game.ParticleSystems[0];
    auto start = [&](auto effect, uint64_t seed) {
        game.ParticleSystems[0].Active = false;
        game.Rng.seed(seed);
        effect();
        return s;
    };
    auto piece = [&](int i, int j) { return s.Particles[i][j]; };

    // A bomb bursts outwards from its centre and upwards, every piece moving, then falls back.
    start([&] { game.startExplosionEffect(100, 200); }, 1);
    EXPECT_EQ(s.Picture, game.SurfHotBomb.get());
    EXPECT_LT(piece(0, 0).VelX, 0.0f);
    EXPECT_GT(piece(s.CountX - 1, 0).VelX, 0.0f);
    for (int i = 0; i < s.CountX; ++i)
        for (int j = 0; j < s.CountY; ++j) {
            EXPECT_LT(piece(i, j).VelY, 0.0f) << i << "," << j;
            EXPECT_NE(piece(i, j).VelX, 0.0f) << "even on the centre line: " << i << "," << j;
        }
    for (int frame = 0; frame < 60; ++frame) game.updateParticles();
    EXPECT_GT(piece(0, 0).VelY, 0.0f) << "falling back";

    // A crystal shatters into the same large pieces whatever the generator holds.
    const ParticleSystem first = start([&] { game.startCrystalEffect(100, 200); }, 3);
    const ParticleSystem second = start([&] { game.startCrystalEffect(100, 200); }, 4);
    EXPECT_EQ(first.CountX * first.CountY, 28);
    for (int i = 0; i < first.CountX; ++i)
        for (int j = 0; j < first.CountY; ++j) {
            EXPECT_EQ(first.Particles[i][j].VelX, second.Particles[i][j].VelX);
            EXPECT_EQ(first.Particles[i][j].VelY, second.Particles[i][j].VelY);
        }
}

}  // namespace
}  // namespace vorn::test

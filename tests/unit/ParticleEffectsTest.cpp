// Particle effects: the fifteen slots, the life of an effect, and how an explosion, a pick-up and a
// crystal fly.
#include <algorithm>

#include "BombWorld.h"

namespace vorn::test {
namespace {

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

TEST_F(ParticleEffects, AnExplosionBurstsUpAndFallsBackAnItemRisesAndACrystalBreaksTheSameWayEveryTime) {
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

    // An item dissolves upwards, hardly moving sideways.
    start([&] { game.startPickUpEffect(100, 200, game.SurfShoot); }, 2);
    const float y0 = piece(3, 3).Y;
    for (int frame = 0; frame < 20; ++frame) game.updateParticles();
    EXPECT_LT(piece(3, 3).Y, y0 - 20.0f);
    EXPECT_NEAR(piece(3, 3).X, 100.0f + 3 * s.PieceWidth, 1.0f);

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

// Particle effects: the fifteen slots, the life of an effect, and how each of the four kinds
// of effect flies.
#include <cmath>

#include "BombWorld.h"
#include "core/Random.h"

namespace vorn::test {
namespace {

using ParticleEffects = BombWorld;

TEST_F(ParticleEffects, FifteenRunAtOnceAndAnEndedOneFreesItsSlot) {
    game.startExplosionEffect(0.0f, 0.0f);
    for (int frame = 0; frame < 10; ++frame) game.updateParticles();
    for (int i = 1; i < kMaxParticleSystems; ++i) game.startExplosionEffect(static_cast<float>(i), 0.0f);
    EXPECT_EQ(activeEffects(), 15);

    game.startExplosionEffect(999.0f, 0.0f);
    for (const auto& s : game.ParticleSystems) EXPECT_NE(s.OriginX, 999.0f) << "a sixteenth is dropped";

    for (int frame = 10; frame < 99; ++frame) game.updateParticles();
    EXPECT_EQ(activeEffects(), 15) << "the first still runs after 99 frames";
    EXPECT_EQ(game.ParticleSystems[0].Age, 99);
    game.updateParticles();
    EXPECT_FALSE(game.ParticleSystems[0].Active) << "and ends after exactly 100";
    EXPECT_EQ(activeEffects(), 14);

    game.startCrystalEffect(555.0f, 0.0f);
    EXPECT_TRUE(game.ParticleSystems[0].Active);
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].OriginX, 555.0f);
    EXPECT_EQ(game.ParticleSystems[0].Age, 0);

    for (int frame = 0; frame < 10; ++frame) game.updateParticles();
    EXPECT_EQ(activeEffects(), 1) << "the others end 10 frames later";
}

TEST_F(ParticleEffects, AnExplosionBurstsOutwardsAndUpThenFallsBack) {
    game.startExplosionEffect(100.0f, 200.0f);
    const ParticleSystem& s = game.ParticleSystems[0];
    ASSERT_EQ(s.CountX, 20);
    ASSERT_EQ(s.CountY, 20);
    EXPECT_EQ(s.Picture, game.SurfHotBomb.get());
    EXPECT_EQ(s.Life, 100);

    for (int i = 0; i < 20; ++i) {
        for (int j = 0; j < 20; ++j) {
            SCOPED_TRACE(testing::Message() << "piece " << i << ", " << j);
            const Particle& p = s.Particles[i][j];
            EXPECT_FLOAT_EQ(p.X, 100.0f + 2.0f * i);
            EXPECT_FLOAT_EQ(p.Y, 200.0f + 2.0f * j);
            // Outwards from the centre; the centre column and row get a small random push.
            if (i < 10) {
                EXPECT_LT(p.VelX, 0.0f);
            } else if (i > 10) {
                EXPECT_GT(p.VelX, 0.0f);
            }
            if (i == 10) {
                EXPECT_NE(p.VelX, 0.0f);
                EXPECT_LT(std::fabs(p.VelX), 0.4f);
            }
            const float vertical = p.VelY + 15.0f;  // the lift is 15 upwards
            if (j < 10) {
                EXPECT_LT(vertical, 0.0f);
            } else if (j > 10) {
                EXPECT_GT(vertical, 0.0f);
            } else {
                EXPECT_LT(std::fabs(vertical), 0.4f);
            }
            // The outermost pieces fly at most twice their offset (Spread 100), divided by 2.5.
            EXPECT_LE(std::fabs(p.VelX), 2.0f * 20.0f / 2.5f);
        }
    }

    const Particle before = s.Particles[3][4];
    game.updateParticles();
    const Particle& after = s.Particles[3][4];
    EXPECT_FLOAT_EQ(after.X, before.X + before.VelX);
    EXPECT_FLOAT_EQ(after.Y, before.Y + before.VelY);
    EXPECT_FLOAT_EQ(after.VelY, before.VelY + 0.5f);
    EXPECT_FLOAT_EQ(after.VelX, before.VelX);
}

TEST_F(ParticleEffects, RandomDrawsGoSidewaysFirstThenUpAndCentrePiecesTakeOneMore) {
    Random reference(99);
    game.Rng.seed(99);
    game.startExplosionEffect(100.0f, 200.0f);
    const ParticleSystem& s = game.ParticleSystems[0];

    std::vector<float> draws;
    for (int k = 0; k < 25; ++k) draws.push_back(reference.draw());
    auto spread = [](float offset, float r) { return (offset + r * 100.0f * offset / 100.0f) / 2.5f; };
    // Piece (0, 0) uses draws 1 and 2; pieces (0, 1) to (0, 9) two each; (0, 10) is on the centre
    // row and takes a third; so piece (0, 11) uses draws 24 and 25.
    EXPECT_FLOAT_EQ(s.Particles[0][0].VelX, spread(-20.0f, draws[0]));
    EXPECT_FLOAT_EQ(s.Particles[0][0].VelY, spread(-20.0f, draws[1]) - 15.0f);
    EXPECT_FLOAT_EQ(s.Particles[0][10].VelY, (2.0f * draws[22] - 1.0f) / 2.5f - 15.0f);
    EXPECT_FLOAT_EQ(s.Particles[0][11].VelX, spread(-20.0f, draws[23]));
    EXPECT_FLOAT_EQ(s.Particles[0][11].VelY, spread(2.0f, draws[24]) - 15.0f);
}

TEST_F(ParticleEffects, ACrystalAlwaysShattersTheSameWay) {
    game.Rng.seed(1);
    game.startCrystalEffect(50.0f, 60.0f);
    game.Rng.seed(2);
    game.startCrystalEffect(50.0f, 60.0f);
    const ParticleSystem& a = game.ParticleSystems[0];
    const ParticleSystem& b = game.ParticleSystems[1];
    ASSERT_EQ(a.CountX, 4);
    ASSERT_EQ(a.CountY, 7);
    EXPECT_EQ(a.Picture, game.SurfCrystal.get());
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 7; ++j) {
            EXPECT_EQ(a.Particles[i][j].VelX, b.Particles[i][j].VelX);
            EXPECT_EQ(a.Particles[i][j].VelY, b.Particles[i][j].VelY);
        }
        EXPECT_EQ(a.Particles[2][i].VelX, 0.0f) << "no random push without spread";
    }
    EXPECT_FLOAT_EQ(a.Particles[0][0].X, 50.0f);
    EXPECT_FLOAT_EQ(a.Particles[3][6].Y, 90.0f);
    EXPECT_FLOAT_EQ(a.Particles[0][0].VelX, -0.02f);
    EXPECT_FLOAT_EQ(a.Particles[0][0].VelY, -4.0175f);
    EXPECT_FLOAT_EQ(a.Particles[3][6].VelY, 12.5f / 1000.0f - 4.0f);

    game.updateParticles();
    EXPECT_FLOAT_EQ(a.Particles[0][0].VelY, -3.0175f) << "falls back at 1 per frame";
}

TEST_F(ParticleEffects, TheTeleportDriftsStraightUp) {
    game.startTeleportEffect(300.0f, 400.0f);
    const ParticleSystem& s = game.ParticleSystems[0];
    ASSERT_EQ(s.CountX, 20);
    ASSERT_EQ(s.CountY, 18);
    EXPECT_EQ(s.Picture, game.SurfCharacter.get());
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 18; ++j) EXPECT_LT(std::fabs(s.Particles[i][j].VelX), 0.0061f);

    for (int frame = 0; frame < 100; ++frame) game.updateParticles();
    EXPECT_FALSE(s.Active);
    for (int i = 0; i < 20; ++i) {
        for (int j = 0; j < 18; ++j) {
            EXPECT_LT(s.Particles[i][j].Y, 400.0f + 2.0f * j) << "piece " << i << ", " << j << " rose";
            EXPECT_LT(s.Particles[i][j].VelY, 0.0f);
            EXPECT_NEAR(s.Particles[i][j].X, 300.0f + 2.0f * i, 0.61f);
        }
    }
}

TEST_F(ParticleEffects, APickUpStreamsUpFromTheItemsPicture) {
    auto picture = std::make_shared<Surface>(40, 35);
    game.startPickUpEffect(200.0f, 100.0f, picture);
    const ParticleSystem& s = game.ParticleSystems[0];
    EXPECT_EQ(s.CountX, 20);
    EXPECT_EQ(s.CountY, 17);
    EXPECT_EQ(s.Picture, picture.get());
    EXPECT_FLOAT_EQ(s.Gravity, -2.0f);
    // The upper half is thrown up faster than the lift alone; in the end every piece rises.
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 8; ++j) EXPECT_LT(s.Particles[i][j].VelY, -10.0f);
    for (int frame = 0; frame < 100; ++frame) game.updateParticles();
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 17; ++j) EXPECT_LT(s.Particles[i][j].Y, 100.0f + 2.0f * j);

    // Without a picture the effect still runs; there is just nothing to draw.
    EXPECT_FALSE(s.Active);
    game.startPickUpEffect(0.0f, 0.0f, SurfaceRef{});
    EXPECT_TRUE(s.Active);
    EXPECT_EQ(s.Picture, nullptr);
}

}  // namespace
}  // namespace vorn::test

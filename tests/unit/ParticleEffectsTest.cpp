// Particle effects: the fifteen slots, the life of an effect, and how each of the four kinds
// of effect flies.
#include <algorithm>
#include <functional>

#include "BombWorld.h"
#include "core/Random.h"

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
    EXPECT_EQ(activeEffects(), 15);
}

struct Setting {
    const char* name;
    std::function<void(Game&)> start;  // at (100, 200)
    SurfaceRef Game::*picture;
    float width, height, divX, divY, gravity, lift, spread;
    int16_t countX, countY;
};

TEST_F(ParticleEffects, EachEffectBurstsItsPictureWithItsOwnSettings) {
    const auto at = [](void (Game::*start)(float, float)) {
        return [start](Game& g) { (g.*start)(100, 200); };
    };
    const Setting settings[] = {
        {"teleport", at(&Game::startTeleportEffect), &Game::SurfCharacter, 40, 36, 10000, 5, -0.5f, 0, 200,
         20, 18},
        {"explosion", at(&Game::startExplosionEffect), &Game::SurfHotBomb, 40, 40, 2.5f, 2.5f, 0.5f, 15, 100,
         20, 20},
        {"crystal", at(&Game::startCrystalEffect), &Game::SurfCrystal, 40, 35, 1000, 1000, 1, 4, 0, 4, 7},
        {"pick-up", [](Game& g) { g.startPickUpEffect(100, 200, g.SurfShoot); }, &Game::SurfShoot, 40, 35,
         10000, 2, -2, 10, 300, 20, 17},
    };
    for (const Setting& e : settings) {
        SCOPED_TRACE(e.name);
        game.ParticleSystems[0].Active = false;
        game.Rng.seed(99);
        Random reference(99);
        e.start(game);
        const ParticleSystem& s = game.ParticleSystems[0];
        EXPECT_EQ(s.Picture, (game.*e.picture).get());
        EXPECT_EQ(s.CountX, e.countX);
        EXPECT_EQ(s.CountY, e.countY);
        EXPECT_EQ(s.Gravity, e.gravity);
        EXPECT_EQ(s.Life, 100);

        // The corner piece flies away from the centre, scattered by two draws: sideways first.
        const Particle& corner = s.Particles[0][0];
        const float offX = -e.width / 2.0f, offY = -e.height / 2.0f;
        const float r1 = reference.draw(), r2 = reference.draw();
        EXPECT_FLOAT_EQ(corner.VelX, (offX + r1 * e.spread * offX / 100.0f) / e.divX);
        EXPECT_FLOAT_EQ(corner.VelY, (offY + r2 * e.spread * offY / 100.0f) / e.divY - e.lift);

        const Particle before = s.Particles[1][2];
        EXPECT_EQ(before.X, 100.0f + s.PieceWidth);
        EXPECT_EQ(before.Y, 200.0f + 2 * s.PieceHeight);
        game.updateParticles();
        EXPECT_FLOAT_EQ(s.Particles[1][2].X, before.X + before.VelX);
        EXPECT_FLOAT_EQ(s.Particles[1][2].Y, before.Y + before.VelY);
        EXPECT_FLOAT_EQ(s.Particles[1][2].VelY, before.VelY + e.gravity);
    }
}

TEST_F(ParticleEffects, PiecesOnTheCentreLineGetASmallRandomPushOnlyWithSpread) {
    Random reference(7);
    game.Rng.seed(7);
    game.startExplosionEffect(100.0f, 200.0f);
    // Pieces (0, 0) to (0, 9) take two draws each; (0, 10) lies on the centre row and takes a third.
    for (int k = 0; k < 22; ++k) reference.draw();
    EXPECT_FLOAT_EQ(game.ParticleSystems[0].Particles[0][10].VelY,
                    (2.0f * reference.draw() - 1.0f) / 2.5f - 15.0f);

    game.startCrystalEffect(50.0f, 60.0f);
    EXPECT_EQ(game.ParticleSystems[1].Particles[2][0].VelX, 0.0f) << "a crystal has no spread";
}

}  // namespace
}  // namespace vorn::test

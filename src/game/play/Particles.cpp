// Particle effects: a picture broken into small pieces that fly apart and then fall or rise.
// Fifteen effects can run at once; a request beyond that is simply dropped.
#include "core/Error.h"
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr int16_t kEffectLife = 100;

}  // namespace

void Game::StartParticles(float X, float Y, float DivX, float DivY, float Gravity, float Lift, float Spread,
                          const Surface* Picture, int16_t PieceWidth, int16_t PieceHeight, int16_t Width,
                          int16_t Height, int16_t Life) {
    ParticleSystem* system = nullptr;
    for (auto& candidate : ParticleSystems) {
        if (!candidate.Active) {
            system = &candidate;
            break;
        }
    }
    if (system == nullptr) return;

    if (PieceWidth == 0 || PieceHeight == 0) throw VornError(kErrDivisionByZero, "Division by zero");
    const int countX = Width / PieceWidth;
    const int countY = Height / PieceHeight;
    // The piece table is 20 by 20; a larger request would run past it.
    if (countX < 0 || countY < 0 || countX > kMaxPiecesAcross || countY > kMaxPiecesAcross)
        raiseSubscriptOutOfRange();

    system->Active = true;
    system->Life = Life;
    system->OriginX = X;
    system->OriginY = Y;
    system->Age = 0;
    system->Picture = Picture;
    system->PieceWidth = PieceWidth;
    system->PieceHeight = PieceHeight;
    system->Gravity = Gravity;
    system->CountX = static_cast<int16_t>(countX);
    system->CountY = static_cast<int16_t>(countY);

    // Every piece starts with its offset from the picture's centre as its speed, so the picture
    // bursts outwards; Spread scatters that a little, DivX/DivY tame it and Lift throws it up.
    const float centreX = X + static_cast<float>(Width) / 2.0f;
    const float centreY = Y + static_cast<float>(Height) / 2.0f;
    for (int i = 0; i < countX; ++i) {
        for (int j = 0; j < countY; ++j) {
            Particle& piece = system->Particles[i][j];
            piece.X = X + static_cast<float>(wrap16(PieceWidth * i));
            piece.Y = Y + static_cast<float>(wrap16(PieceHeight * j));
            piece.VelX = piece.X - centreX;
            piece.VelY = piece.Y - centreY;
            const float r1 = Rng.draw();
            const float r2 = Rng.draw();
            piece.VelX = piece.VelX + r1 * Spread * piece.VelX / 100.0f;
            piece.VelY = piece.VelY + r2 * Spread * piece.VelY / 100.0f;
            // A piece on the centre line would otherwise never move sideways (or up and down).
            if (Spread != 0.0f && piece.VelX == 0.0f) piece.VelX = 2.0f * Rng.draw() - 1.0f;
            if (Spread != 0.0f && piece.VelY == 0.0f) piece.VelY = 2.0f * Rng.draw() - 1.0f;
            piece.VelX = piece.VelX / DivX;
            piece.VelY = piece.VelY / DivY - Lift;
        }
    }
}

void Game::updateParticles() {
    for (auto& system : ParticleSystems) {
        if (!system.Active) continue;
        for (int i = 0; i < system.CountX; ++i) {
            for (int j = 0; j < system.CountY; ++j) {
                Particle& piece = system.Particles[i][j];
                piece.X = piece.X + piece.VelX;
                piece.Y = piece.Y + piece.VelY;
                piece.VelY = piece.VelY + system.Gravity;
            }
        }
        system.Age = wrap16(system.Age + 1);
        if (system.Age == system.Life) system.Active = false;
    }
}

// The character dissolves into 2 x 2 pieces that hardly move sideways and drift up.
void Game::startTeleportEffect(float x, float y) {
    StartParticles(x, y, 10000.0f, 5.0f, -0.5f, 0.0f, 200.0f, SurfCharacter.get(), 2, 2, kCharWidth,
                   kCharHeight, kEffectLife);
}

// A bomb bursts outwards and upwards, then its pieces fall back.
void Game::startExplosionEffect(float x, float y) {
    StartParticles(x, y, 2.5f, 2.5f, 0.5f, 15.0f, 100.0f, SurfHotBomb.get(), 2, 2, kBombSize, kBombSize,
                   kEffectLife);
}

// A crystal shatters into 28 large pieces, always the same way.
void Game::startCrystalEffect(float x, float y) {
    StartParticles(x, y, 1000.0f, 1000.0f, 1.0f, 4.0f, 0.0f, SurfCrystal.get(), 10, 5, kItemWidth,
                   kItemHeight, kEffectLife);
}

// Any other item taken streams upwards in fine pieces.
void Game::startPickUpEffect(float x, float y, const SurfaceRef& picture) {
    StartParticles(x, y, 10000.0f, 2.0f, -2.0f, 10.0f, 300.0f, picture.get(), 2, 2, kItemWidth, kItemHeight,
                   kEffectLife);
}

}  // namespace vorn

// Placeholder until bombs, shots and particle effects land.
#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {
[[noreturn]] static void pending() { throw VornError(0, "not built yet"); }
void Game::moveBombs() { pending(); }
void Game::CheckBombHitsChar() { pending(); }
void Game::animateBombs() { pending(); }
void Game::moveShots() { pending(); }
bool Game::fire() { pending(); }
void Game::animateShots() { pending(); }
void Game::StartParticles(float, float, float, float, float, float, float, const Surface*, int16_t, int16_t, int16_t,
                          int16_t, int16_t) { pending(); }
void Game::updateParticles() { pending(); }
}  // namespace vorn

// Placeholder until the level start, the frame step, the character, items and level end land.
#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {
[[noreturn]] static void pending() { throw VornError(0, "not built yet"); }
bool Game::StartNextLevel() { pending(); }
void Game::InitBomb(int16_t) { pending(); }
bool Game::DoFrame() { pending(); }
Rect Game::GetCharRect() const { pending(); }
Rect Game::GetBombRect(int) const { pending(); }
Rect Game::GetShotRect(int) const { pending(); }
int16_t Game::FindCharPlatform() const { pending(); }
int16_t Game::GetSurfaceKind(Rect&) const { pending(); }
void Game::EndGame() { pending(); }
void Game::CheckHighScore() { pending(); }
}  // namespace vorn

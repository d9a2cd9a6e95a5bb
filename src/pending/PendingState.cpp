// Placeholder until set-up, lifecycle, engines and loaders land.
#include "core/Error.h"
#include "devinfo/DevInfo.h"
#include "engines/VBGE.h"
#include "engines/VBIE.h"
#include "engines/VBSE.h"
#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"
#include "game/state/Game.h"

namespace vorn {
[[noreturn]] static void pending() { throw VornError(0, "not built yet"); }
Game::Game(Platform& p) : platform(p) {}
Game::~Game() = default;
void Game::SetCharHealth(int16_t) { pending(); }
void Game::GotoLevel(int16_t) { pending(); }
bool Game::Initialize(Window&, bool) { pending(); }
bool Game::StartGame() { pending(); }
bool Game::StopGame() { pending(); }
bool Game::LoadSounds() { pending(); }
bool Game::LoadGraphics() { pending(); }
bool Game::LoadLevels() { pending(); }
bool Game::playSound(const SoundRef&) { pending(); }
void Game::doEvents() { pending(); }
VBGE& Game::graphics() { pending(); }
}  // namespace vorn

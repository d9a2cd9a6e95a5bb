// Placeholder until the files, the dialogs, the title screen and the drawing land.
#include "core/Error.h"
#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"
#include "game/state/Game.h"

namespace vorn {
[[noreturn]] static void pending() { throw VornError(0, "not built yet"); }
bool Game::DrawFrame() { pending(); }
bool Game::DrawGameFrame() { pending(); }
void Game::DrawTitleScreen() { pending(); }
bool Game::ShowBitmap(Surface&, bool) { pending(); }
bool Game::ShowOptions() { pending(); }
bool Game::AskForName(std::string&) { pending(); }
bool Game::LoadHighScores() { pending(); }
bool Game::SaveHighScores() { pending(); }
void Game::SetDefaultHighScores() { pending(); }
bool Game::LoadGameOptions() { pending(); }
bool Game::SaveGameOptions() { pending(); }
frmOptions::frmOptions() = default;
void frmOptions::onActivate() {}
void frmOptions::onClick(const std::string&) {}
frmHighScore::frmHighScore() = default;
void frmHighScore::onClick(const std::string&) {}
void frmHighScore::load() {}
}  // namespace vorn

#include "game/state/Game.h"

#include "core/Error.h"
#include "devinfo/DevInfo.h"
#include "engines/VBGE.h"
#include "engines/VBIE.h"
#include "engines/VBSE.h"
#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"

namespace vorn {

Game::Game(Platform& p) : platform(p) {}

Game::~Game() {
    // The overlay goes first; the engines go with the object, after the two files are written.
    // A run that never got going, or that ended at once, writes neither file.
    try {
        FrameRateInfo.reset();
        if (Initialized && saveOnDestruction_) {
            // Each save shows its own failure; one failing does not keep the other from trying.
            (void)SaveGameOptions();
            (void)SaveHighScores();
        }
    } catch (const std::exception& e) {
        showError(platform.messages, "Game - Class_Terminate - ", e.what());
    }
}

void Game::SetCharHealth(int16_t nHealth) { Health = nHealth; }

void Game::doEvents() { platform.window.pumpMessages(); }

VBGE& Game::graphics() {
    if (!GraphicsEngine) GraphicsEngine = std::make_unique<VBGE>(platform.display, platform.messages);
    return *GraphicsEngine;
}

}  // namespace vorn

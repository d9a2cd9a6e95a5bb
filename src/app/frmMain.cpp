#include "app/frmMain.h"

#include "app/ReplayKeeper.h"
#include "app/ReplayViewer.h"
#include "game/state/Game.h"

namespace vorn {

frmMain::frmMain(Window& window, Globals& globals) : window_(window), globals_(globals) {}

void frmMain::Load() {
    window_.setCaption("Vorn! version 1.0");
    window_.setKeyDownHandler([this](int virtualKey) { Form_KeyDown(virtualKey); });
}

void frmMain::Unload() { window_.setKeyDownHandler(nullptr); }

void frmMain::Form_KeyDown(int KeyCode) {
    Game& game = *globals_.gGame;
    ReplayKeeper* keeper = globals_.gReplayKeeper;
    ReplayViewer* viewer = globals_.gReplayViewer;
    // The developer's keys would change a replay's world under it.
    const bool developer = globals_.gDevMode && !(viewer && viewer->watching());
    switch (KeyCode) {
        case vk::F1:
            // A game of the player's own takes over from a replay, and is recorded.
            if (viewer) viewer->stop();
            if (keeper) keeper->gameStarting();
            if (!game.StartGame() && keeper) keeper->gameDidNotStart();
            break;
        case vk::F2:
            (void)game.ShowOptions();  // a failure has shown its message; the options stay
            break;
        case vk::F3:
            // A refused replay has shown its message; the title screen stays.
            if (!game.IsRunning() && viewer) (void)viewer->watchBest();
            break;
        case vk::Escape:
            // Escape leaves a game (or a replay) first, and the program only from the title screen.
            if (game.IsRunning()) {
                (void)game.StopGame();  // a failure has shown its message; the game is left anyway
                if (viewer) viewer->stop();
                if (keeper) keeper->gameEnded(GameEnd::Left);
            } else {
                globals_.gExitRequested = true;
            }
            break;
        case vk::F5:
        case vk::F6:
        case vk::F7:
            if (!developer) break;
            // A level start that fails has shown its message; play goes on where it was.
            if (KeyCode == vk::F5) (void)game.StartNextLevel();
            if (KeyCode == vk::F6) game.GotoLevel(100);
            if (KeyCode == vk::F7) game.SetCharHealth(10);
            if (keeper) keeper->commandActed(KeyCode);
            break;
        // In play the pad's Start and A are P and Space in the keyboard snapshot; on the title
        // screen they start a game. Back leaves a game but never quits the program.
        case vk::PadA:
        case vk::PadStart:
            if (!game.IsRunning()) Form_KeyDown(vk::F1);
            break;
        case vk::PadBack:
            if (game.IsRunning()) Form_KeyDown(vk::Escape);
            break;
        default:
            break;
    }
}

}  // namespace vorn

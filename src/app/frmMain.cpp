#include "app/frmMain.h"

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
    switch (KeyCode) {
        case vk::F1:
            game.StartGame();
            break;
        case vk::F2:
            game.ShowOptions();
            break;
        case vk::Escape:
            // Escape leaves a game first, and the program only from the title screen.
            if (game.IsRunning())
                game.StopGame();
            else
                globals_.gExitRequested = true;
            break;
        case vk::F5:
            if (globals_.gDevMode) game.StartNextLevel();
            break;
        case vk::F6:
            if (globals_.gDevMode) game.GotoLevel(100);
            break;
        case vk::F7:
            if (globals_.gDevMode) game.SetCharHealth(10);
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

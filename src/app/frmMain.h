// The main window: its caption and the command keys that drive the game between frames.
// The play keys are not handled here; the frame step reads them from the keyboard snapshot.
#pragma once

#include "app/Globals.h"
#include "platform/Platform.h"

namespace vorn {

class frmMain {
public:
    frmMain(Window& window, Globals& globals);
    ~frmMain() { Unload(); }
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    void Load();
    void Unload();
    // Does at most one thing per key; the game's operations report their own failures.
    void Form_KeyDown(int KeyCode);

private:
    Window& window_;
    Globals& globals_;
};

}  // namespace vorn

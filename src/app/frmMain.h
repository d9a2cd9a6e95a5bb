// The main window: its caption and the command keys that drive the game between frames.
// The play keys are not handled here; the frame step reads them from the keyboard snapshot.
#pragma once

#include "app/Globals.h"
#include "platform/Platform.h"

namespace vorn {

// Windows virtual-key numbers of the command keys, and of the game pad's buttons that stand
// for some of them: A and Start arrive when let go, Back when pressed.
namespace vk {
inline constexpr int Escape = 27, F1 = 112, F2 = 113, F3 = 114, F5 = 116, F6 = 117, F7 = 118;
inline constexpr int PadA = 195, PadStart = 207, PadBack = 208;
}  // namespace vk

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

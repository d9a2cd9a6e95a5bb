// The keyboard over SDL: the state SDL keeps from the window's key events, renumbered to
// PC set-1 scan codes, with the keys the game pads hold added. It reads the state at the
// moment it is asked.
#pragma once

#include "platform/Platform.h"

namespace vorn {

class SdlWindow;

class SdlKeyboard : public Keyboard {
public:
    explicit SdlKeyboard(SdlWindow& window) : window_(window) {}
    void open() override;
    void snapshot(uint8_t state[256]) override;

private:
    SdlWindow& window_;
    bool open_ = false;
};

}  // namespace vorn

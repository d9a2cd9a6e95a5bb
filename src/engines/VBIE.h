// The input engine: the whole keyboard as a 256-byte snapshot, once per frame.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace vorn {

class VBIE {
public:
    VBIE(Keyboard& keyboard, MessageBox& messages);
    [[nodiscard]] bool Initialize();
    [[nodiscard]] bool GetKeyboardState(uint8_t KeyboardState[256]);

private:
    Keyboard& m_keyboard;
    MessageBox& m_messages;
    bool m_bInitialized = false;
};

}  // namespace vorn

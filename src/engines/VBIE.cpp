#include "engines/VBIE.h"

#include "core/Error.h"

namespace vorn {

VBIE::VBIE(Keyboard& keyboard, MessageBox& messages) : m_keyboard(keyboard), m_messages(messages) {}

bool VBIE::Initialize() {
    return trapErrors(m_messages, "VBIE - Initialize - ", [&] {
        m_keyboard.open();
        m_bInitialized = true;
        return true;
    });
}

bool VBIE::GetKeyboardState(uint8_t KeyboardState[256]) {
    return trapErrors(m_messages, "VBIE - GetKeyboardState - ", [&] {
        if (!m_bInitialized) raiseNotInitialized();
        m_keyboard.snapshot(KeyboardState);
        return true;
    });
}

}  // namespace vorn

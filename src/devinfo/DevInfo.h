// The developer-mode frame-rate overlay: frames per second over three-second windows,
// drawn in a small black box at the bottom left of the play screen.
#pragma once

#include <cstdint>

#include "platform/Font.h"
#include "platform/Platform.h"

namespace vorn {

class VBGE;

class DevInfo {
public:
    DevInfo(Clock& clock, MessageBox& messages);
    bool Initialize(VBGE& GE);
    bool Calculate();
    float fps() const { return m_sngFPS; }

private:
    Clock& m_clock;
    MessageBox& m_messages;
    int32_t m_lStartTime = 0;
    int32_t m_lLastTime = 0;
    int32_t m_lFrameCount = 0;
    float m_sngFPS = 0;
    VBGE* m_GE = nullptr;
    bool m_bInitialized = false;
    Font m_Font;
};

}  // namespace vorn

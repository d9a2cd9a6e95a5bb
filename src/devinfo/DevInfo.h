// The developer-mode frame-rate overlay: frames per second over three-second windows,
// drawn in a small black box at the bottom left of the play screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Font.h"
#include "platform/Platform.h"

namespace vorn {

class VBGE;

// A float written with up to seven significant digits, no trailing zeros and a decimal point
// only when needed (0, 31, 33.33333). Returns the length written.
std::size_t formatSingle(float value, char* out, std::size_t size);

class DevInfo {
public:
    DevInfo(Clock& clock, MessageBox& messages);
    [[nodiscard]] bool Initialize(VBGE& GE);
    [[nodiscard]] bool Calculate();
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
    std::string m_text;  // the overlay's line, built in place every frame
};

}  // namespace vorn

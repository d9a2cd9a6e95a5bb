#include "devinfo/DevInfo.h"

#include <algorithm>
#include <cstdio>

#include "core/Error.h"
#include "engines/VBGE.h"

namespace vorn {

namespace {

// A measuring window of three seconds.
constexpr int32_t kWindowMs = 3000;

}  // namespace

std::size_t formatSingle(float value, char* out, std::size_t size) {
    const int n = std::snprintf(out, size, "%.7G", static_cast<double>(value));
    if (n < 0) return 0;
    return std::min(static_cast<std::size_t>(n), size - 1);
}

DevInfo::DevInfo(Clock& clock, MessageBox& messages) : m_clock(clock), m_messages(messages) {
    m_text.reserve(64);
}

bool DevInfo::Initialize(VBGE& GE) {
    return trapErrors(m_messages, "DevInfo - Initialize - ", [&] {
        m_GE = &GE;
        m_lStartTime = static_cast<int32_t>(m_clock.milliseconds());
        m_lLastTime = static_cast<int32_t>(m_clock.milliseconds());
        m_lFrameCount = 0;
        m_Font.setName("Arial");
        m_Font.setSize(8);
        m_bInitialized = true;
        return true;
    });
}

bool DevInfo::Calculate() {
    return trapErrors(m_messages, "DevInfo - Calculate - ", [&] {
        if (!m_bInitialized) raiseNotInitialized();
        ++m_lFrameCount;
        const auto now = static_cast<int32_t>(m_clock.milliseconds());
        m_lLastTime = now;
        // The clock wraps after 49 days; the difference of two readings stays right across it.
        const auto elapsed =
            static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(m_lStartTime));
        if (elapsed >= kWindowMs) {
            m_sngFPS = static_cast<float>(m_lFrameCount) /
                       ((static_cast<float>(now) - static_cast<float>(m_lStartTime)) / 1000.0f);
            m_lStartTime = now;
            m_lFrameCount = 0;
        }

        SurfaceRef back = m_GE->BackBuffer();
        if (!back) raiseObjectNotSet();
        back->setFillColour(rgb(0, 0, 0));
        back->setFillStyle(FillStyle::Solid);
        back->setForeColour(rgb(255, 255, 255));
        back->setFont(m_Font);
        back->drawBox(5, 580, 150, 597);

        char number[32];
        const std::size_t length = formatSingle(m_sngFPS, number, sizeof number);
        m_text.assign("FPS: ");
        m_text.append(number, length);
        back->drawText(10, 582, m_text);
        return true;
    });
}

}  // namespace vorn

// The sound engine: loads wave files into buffers and restarts them on demand.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace vorn {

class VBSE {
public:
    VBSE(SoundDevice& device, MessageBox& messages);
    [[nodiscard]] bool Initialize();
    // On failure the caller's buffer keeps what it held.
    [[nodiscard]] bool LoadSound(const std::string& sSoundFile, SoundRef& dsb, bool bHighQuality);
    [[nodiscard]] bool PlaySound(const SoundRef& dsb);

private:
    SoundDevice& m_device;
    MessageBox& m_messages;
    bool m_bInitialized = false;
};

}  // namespace vorn

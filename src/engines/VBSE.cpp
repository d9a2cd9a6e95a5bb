#include "engines/VBSE.h"

#include "core/Error.h"

namespace vorn {

VBSE::VBSE(SoundDevice& device, MessageBox& messages) : m_device(device), m_messages(messages) {}

bool VBSE::Initialize() {
    return trapErrors(m_messages, "VBSE - Initialize - ", [&] {
        m_device.open();
        m_bInitialized = true;
        return true;
    });
}

bool VBSE::LoadSound(const std::string& sSoundFile, SoundRef& dsb, bool bHighQuality) {
    return trapErrors(m_messages, "VBSE - LoadSound - ", [&] {
        if (!m_bInitialized) raiseNotInitialized();
        dsb = m_device.load(sSoundFile, bHighQuality);
        return true;
    });
}

bool VBSE::PlaySound(const SoundRef& dsb) {
    return trapErrors(m_messages, "VBSE - PlaySound - ", [&] {
        if (!m_bInitialized) raiseNotInitialized();
        if (!dsb) raiseObjectNotSet();
        m_device.play(*dsb);
        return true;
    });
}

}  // namespace vorn

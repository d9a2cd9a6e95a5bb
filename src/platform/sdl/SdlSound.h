// Sound over SDL_mixer. Every loaded buffer owns a mixer channel, so playing it again cuts
// it off and restarts it, while different buffers mix. Without a sound device the game runs
// silent: files are still decoded (a broken one still fails), playing does nothing.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace vorn {

class SdlSound : public SoundDevice {
public:
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void open() override;
    SoundRef load(const std::string& path, bool highQuality) override;
    void play(SoundBuffer& buffer) override;

    bool silent() const;

    struct Mixer;

private:
    std::shared_ptr<Mixer> mixer_;
};

}  // namespace vorn

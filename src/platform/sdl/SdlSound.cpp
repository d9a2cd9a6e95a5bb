#include "platform/sdl/SdlSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/Error.h"
#include "platform/WaveFile.h"

namespace vorn {

// Shared by the device and its buffers, which the game may keep a little longer than the
// device: channels go back to the pool, and nothing touches a mixer that has closed.
struct SdlSound::Mixer {
    bool audioStarted = false;
    bool open = false;
    int channels = 0;
    std::vector<int> freeChannels;

    int takeChannel() {
        if (!freeChannels.empty()) {
            const int c = freeChannels.back();
            freeChannels.pop_back();
            return c;
        }
        Mix_AllocateChannels(channels + 1);
        return channels++;
    }
};

namespace {

class MixerBuffer : public SoundBuffer {
public:
    MixerBuffer(std::shared_ptr<SdlSound::Mixer> mixer, Mix_Chunk* chunk)
        : mixer_(std::move(mixer)), chunk_(chunk), channel_(chunk ? mixer_->takeChannel() : -1) {}
    ~MixerBuffer() override {
        if (!chunk_) return;
        if (mixer_->open) {
            Mix_HaltChannel(channel_);
            mixer_->freeChannels.push_back(channel_);
        }
        Mix_FreeChunk(chunk_);
    }
    MixerBuffer(const MixerBuffer&) = delete;
    MixerBuffer& operator=(const MixerBuffer&) = delete;

    void play() {
        if (!chunk_ || !mixer_->open) return;
        if (Mix_PlayChannel(channel_, chunk_, 0) < 0)
            throw VornError(kErrSoundPlay,
                            std::string("The sound could not be played (") + Mix_GetError() + ")");
    }

private:
    std::shared_ptr<SdlSound::Mixer> mixer_;
    Mix_Chunk* chunk_;
    int channel_;
};

}  // namespace

SdlSound::SdlSound() : mixer_(std::make_shared<Mixer>()) {}

SdlSound::~SdlSound() {
    if (mixer_->open) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        mixer_->open = false;
    }
    if (mixer_->audioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::silent() const { return !mixer_->open; }

void SdlSound::open() {
    if (mixer_->open) return;
    if (!mixer_->audioStarted) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            std::fprintf(stderr, "No sound device (%s): the game runs silent.\n", SDL_GetError());
            return;
        }
        mixer_->audioStarted = true;
    }
    // Every effect is recorded at 22050 Hz or less, so mixing faster would only cost time at
    // start-up (converting each file) and while playing. A short buffer (23 ms), so an effect
    // sounds within a frame of the event that plays it.
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) != 0) {
        std::fprintf(stderr, "No sound device (%s): the game runs silent.\n", Mix_GetError());
        return;
    }
    Mix_AllocateChannels(0);
    mixer_->open = true;
    mixer_->channels = 0;
    mixer_->freeChannels.clear();
}

SoundRef SdlSound::load(const std::string& path, bool /*highQuality*/) {
    // The mixer converts every file to its own format, whatever quality the game asks for.
    // Without a device the file is still decoded, so a broken one fails as it would with sound.
    if (!mixer_->open) {
        checkWaveFile(path);
        return std::make_shared<MixerBuffer>(mixer_, nullptr);
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw VornError(kErrFileNotFound, "File not found");
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) throw VornError(kErrPathAccess, std::string("Bad wave file (") + Mix_GetError() + ")");
    return std::make_shared<MixerBuffer>(mixer_, chunk);
}

void SdlSound::play(SoundBuffer& buffer) { static_cast<MixerBuffer&>(buffer).play(); }

}  // namespace vorn

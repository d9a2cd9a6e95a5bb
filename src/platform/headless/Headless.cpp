#include "platform/headless/Headless.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/Error.h"
#include "platform/WaveFile.h"

namespace vorn {

void HeadlessDisplay::open(int width, int height, int /*bitsPerPixel*/) {
    if (failOpen) throw VornError(kErrDisplayMode, "The display mode is not supported.");
    primary_ = std::make_shared<Surface>(width, height);
    back_ = std::make_shared<Surface>(width, height);
}

void HeadlessKeyboard::open() {
    if (failOpen) throw VornError(kErrKeyboardOpen, "The keyboard could not be opened.");
}

void HeadlessKeyboard::snapshot(uint8_t state[256]) {
    if (beforeSnapshot) beforeSnapshot(*this);
    if (failRead) throw VornError(kErrKeyboardRead, "The keyboard could not be read.");
    ++snapshots;
    std::memcpy(state, keys, 256);
}

void HeadlessKeyboard::releaseAll() { std::memset(keys, 0, sizeof keys); }

namespace {

class RecordedSound : public SoundBuffer {
public:
    explicit RecordedSound(std::string fileStem) : name(std::move(fileStem)) {}
    std::string name;
};

}  // namespace

SoundRef HeadlessSound::load(const std::string& path, bool highQuality) {
    loads.emplace_back(path, highQuality);
    checkWaveFile(path);
    std::string name = std::filesystem::path(path).stem().string();
    return std::make_shared<RecordedSound>(name);
}

void HeadlessSound::play(SoundBuffer& buffer) {
    if (failPlay) throw VornError(kErrSoundPlay, "The sound could not be played.");
    played.push_back(static_cast<RecordedSound&>(buffer).name);
}

void HeadlessMessageBox::show(const std::string& text) {
    shown.push_back(text);
    if (echoToStderr) std::fprintf(stderr, "%s\n", text.c_str());
}

void HeadlessWindow::pumpMessages() {
    if (beforePump) beforePump(*this);
    ++pumps;
    while (!pending_.empty()) {
        int key = pending_.front();
        pending_.pop_front();
        if (handler_) handler_(key);
    }
}

void HeadlessDialogs::runModal(Dialog& dialog) {
    ++runs;
    dialog.reload();
    dialog.onActivate();
    if (script) script(dialog);
}

HeadlessPlatform::HeadlessPlatform()
    : platform_{display, keyboard, sound, messages, window, clock, cursor, dialogs} {}

}  // namespace vorn

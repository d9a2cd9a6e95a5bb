// The platform without a window or a sound device, for tests and tools. Keys are set by the
// caller, message boxes and played sounds are recorded, the clock only moves when asked to,
// and presenting copies the primary surface to a "screen" that tests can inspect.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Platform.h"

namespace vorn {

class HeadlessDisplay : public Display {
public:
    void open(int width, int height, int bitsPerPixel) override;
    void close() override {}
    SurfaceRef primary() override { return primary_; }
    SurfaceRef backBuffer() override { return back_; }
    void presentPrimary() override { ++presents; }

    bool failOpen = false;
    int presents = 0;

private:
    SurfaceRef primary_, back_;
};

class HeadlessKeyboard : public Keyboard {
public:
    void open() override;
    void snapshot(uint8_t state[256]) override;

    void press(int code) { keys[code] = 0x80; }
    void release(int code) { keys[code] = 0; }
    void releaseAll();

    uint8_t keys[256] = {};
    bool failOpen = false;
    bool failRead = false;
    // Called before every snapshot, so a test can script keys frame by frame (e.g. for the pause).
    std::function<void(HeadlessKeyboard&)> beforeSnapshot;
    int snapshots = 0;
};

class HeadlessSound : public SoundDevice {
public:
    void open() override {}
    SoundRef load(const std::string& path, bool highQuality) override;
    void play(SoundBuffer& buffer) override;

    // The file names (without ".wav") of every sound played, in order.
    std::vector<std::string> played;
    // Every load, in order: file name and the quality requested.
    std::vector<std::pair<std::string, bool>> loads;
    bool failPlay = false;
};

class HeadlessMessageBox : public MessageBox {
public:
    void show(const std::string& text) override;
    std::vector<std::string> shown;
    bool echoToStderr = true;
};

class HeadlessWindow : public Window {
public:
    void setCaption(const std::string& text) override { caption = text; }
    void setKeyDownHandler(std::function<void(int)> handler) override { handler_ = std::move(handler); }
    void pumpMessages() override;
    bool closeRequested() const override { return closed; }
    bool hasFocus() const override { return focused; }

    void queueKeyDown(int virtualKey) { pending_.push_back(virtualKey); }
    // Called at the start of every pump, so a test can act between the passes of a loop.
    std::function<void(HeadlessWindow&)> beforePump;
    std::string caption;
    bool closed = false;
    bool focused = true;
    int pumps = 0;

private:
    std::function<void(int)> handler_;
    std::deque<int> pending_;
};

class HeadlessClock : public Clock {
public:
    uint32_t milliseconds() override { return now; }
    void sleep(uint32_t ms) override {
        now += ms;
        slept += ms;
    }
    uint64_t seedFromTime() override { return seed; }

    uint32_t now = 1000;
    uint64_t slept = 0;
    uint64_t seed = 1;
};

class HeadlessCursor : public Cursor {
public:
    int showCursor(bool show) override { return show ? ++count : --count; }
    int count = 0;
};

// Answers a modal dialog with a scripted action (set a check box, type a name, click a button).
// Without a script the dialog's window is closed at once, as by its frame's close command.
class HeadlessDialogs : public DialogRunner {
public:
    void runModal(Dialog& dialog) override;
    std::function<void(Dialog&)> script;
    int runs = 0;
};

// All of the above, wired into one Platform.
class HeadlessPlatform {
public:
    HeadlessPlatform();
    Platform& platform() { return platform_; }

    HeadlessDisplay display;
    HeadlessKeyboard keyboard;
    HeadlessSound sound;
    HeadlessMessageBox messages;
    HeadlessWindow window;
    HeadlessClock clock;
    HeadlessCursor cursor;
    HeadlessDialogs dialogs;

private:
    Platform platform_;
};

}  // namespace vorn

// The small interfaces through which the engines, the game and the dialogs reach the
// machine. src/platform/sdl implements them over SDL2; src/platform/headless implements
// them without a window or a sound device, for tests and tools.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Surface.h"

namespace vorn {

class Dialog;

// The full-screen display: a primary surface (what the player sees) and one back buffer.
class Display {
public:
    virtual ~Display() = default;
    // Takes over the screen at width x height; throws VornError when it cannot.
    virtual void open(int width, int height, int bitsPerPixel) = 0;
    virtual void close() = 0;
    virtual SurfaceRef primary() = 0;
    virtual SurfaceRef backBuffer() = 0;
    // Shows the primary surface's current content at once.
    virtual void presentPrimary() = 0;
};

// The whole keyboard as 256 bytes indexed by PC set-1 scan code (extended keys at the scan code
// + 128); top bit = down.
class Keyboard {
public:
    virtual ~Keyboard() = default;
    virtual void open() = 0;                        // throws VornError on failure
    virtual void snapshot(uint8_t state[256]) = 0;  // throws VornError on failure
};

class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
};
using SoundRef = std::shared_ptr<SoundBuffer>;

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void open() = 0;  // never fails for want of a device: the game then runs silent
    // Decodes a whole wave file; throws VornError with the platform's description.
    virtual SoundRef load(const std::string& path, bool highQuality) = 0;
    // Restarts the buffer from its beginning, once; a sound never overlaps itself.
    virtual void play(SoundBuffer& buffer) = 0;
};

// A modal message box titled "Vorn!"; its text also goes to standard error as one line.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};

// The virtual-key numbers of the command keys, and of the game pad's buttons that stand for
// some of them: A and Start arrive when let go, Back when pressed.
namespace vk {
inline constexpr int Escape = 27, F1 = 112, F2 = 113, F3 = 114, F5 = 116, F6 = 117, F7 = 118;
inline constexpr int PadA = 195, PadStart = 207, PadBack = 208;
}  // namespace vk

// The main window: its pending messages are handled only when pumpMessages() is called.
// Key-down events reach the handler as virtual-key numbers.
class Window {
public:
    virtual ~Window() = default;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setKeyDownHandler(std::function<void(int virtualKey)> handler) = 0;
    virtual void pumpMessages() = 0;
    // True once the player closed the window or the process was asked to end (SIGINT/SIGTERM).
    virtual bool closeRequested() const = 0;
    // False while the window is minimised or another window has the keyboard: no key reaches
    // the game then, so play pauses.
    virtual bool hasFocus() const = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t milliseconds() = 0;  // since the machine started; wraps after 49.7 days
    virtual void sleep(uint32_t ms) = 0;
    virtual uint64_t seedFromTime() = 0;
};

// The mouse pointer's visibility as a count: every hide is matched by a show, and the pointer
// shows while the count is 0 or more.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual int showCursor(bool show) = 0;
};

// Runs a dialog modally above the game until it unloads itself or its window is closed.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual void runModal(Dialog& dialog) = 0;
};

// Everything the game needs of the machine, held by reference.
struct Platform {
    Display& display;
    Keyboard& keyboard;
    SoundDevice& sound;
    MessageBox& messages;
    Window& window;
    Clock& clock;
    Cursor& cursor;
    DialogRunner& dialogs;
};

}  // namespace vorn

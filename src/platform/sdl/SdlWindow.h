// The main window over SDL: one SDL window with its renderer, the message pump (which also
// takes the game pads as they come and go, and their command buttons), full-screen switching
// (Alt+Enter, F11) and the orderly end on a close or a SIGINT/SIGTERM.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Platform.h"
#include "platform/sdl/SdlGamepads.h"

struct SDL_Window;
struct SDL_Renderer;
union SDL_Event;

namespace vorn {

class SdlWindow : public Window {
public:
    static constexpr const char* kCaption = "Vorn! version 1.0";

    // Opens the window at once, full screen on the desktop unless `windowed`. Without a display
    // it stays closed: sdl() is null and openError() says why.
    SdlWindow(bool windowed, int width, int height);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    void setCaption(const std::string& caption) override;
    // The picture beside the caption and in the task bar, from a bitmap file with an alpha
    // channel; a missing or broken file leaves the desktop's own.
    void setIcon(const std::string& bitmapPath);
    void setKeyDownHandler(std::function<void(int virtualKey)> handler) override;
    void pumpMessages() override;
    bool closeRequested() const override;
    // Follows the window's focus events; a new window counts as focused until told otherwise.
    bool hasFocus() const override;

    // The part of every event that belongs to the window whoever pumps (the main loop or a
    // modal dialog): close requests, full-screen switching, noting that the window needs its
    // picture again (a dialog draws every frame anyway; pumpMessages repaints). True when
    // consumed.
    bool handleWindowEvent(const SDL_Event& event);
    void requestClose() { closed_ = true; }
    void toggleFullScreen();
    bool fullScreen() const;

    // Redraws the last frame after the window was uncovered, resized or switched.
    void setRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // The pads come and go through the window's events; the keyboard reads what they hold.
    SdlGamepads& gamepads() { return gamepads_; }

    SDL_Window* sdl() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }
    const std::string& openError() const { return openError_; }

private:
    void noteFocus(uint8_t windowEvent);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::string openError_;
    bool videoStarted_ = false;
    bool closed_ = false;
    bool focused_ = true;
    bool repaintPending_ = false;
    std::function<void(int)> keyDown_;
    std::function<void()> repaint_;
    SdlGamepads gamepads_;
};

}  // namespace vorn

#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

#include "platform/sdl/KeyCodes.h"

namespace vorn {

namespace {

volatile std::sig_atomic_t endSignalled = 0;

// The first SIGINT or SIGTERM only raises a flag; the main loop sees it through closeRequested()
// and ends the run the orderly way, so the options and the high scores are saved. A second one
// means whoever sent it will not wait (say a message box sits on a screen nobody watches): the
// program ends at once with the shell's status for the signal and writes nothing more. A save
// caught half-way is harmless, since a file is only ever replaced by renaming a finished copy.
extern "C" void onEndSignal(int signal) {
    if (endSignalled != 0) _exit(128 + signal);
    endSignalled = signal;
}

void installEndSignals() {
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool isFullScreenSwitch(const SDL_KeyboardEvent& key) {
    if (key.keysym.scancode == SDL_SCANCODE_F11) return true;
    const bool enter =
        key.keysym.scancode == SDL_SCANCODE_RETURN || key.keysym.scancode == SDL_SCANCODE_KP_ENTER;
    return enter && (key.keysym.mod & KMOD_ALT) != 0;
}

// The game presents a picture only when it changed, so whatever may have left the window
// without it shows it again at once.
bool needsRepaint(Uint8 windowEvent) {
    switch (windowEvent) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
            return true;
        default:
            return false;
    }
}

}  // namespace

SdlWindow::SdlWindow(bool windowed, int width, int height) {
    installEndSignals();
    // SDL's own handlers would turn the signals into quit events that only a pump sees.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        openError_ = SDL_GetError();
        return;
    }
    videoStarted_ = true;
    // With no X server or Wayland compositor SDL falls back to drivers that show nothing; a game
    // nobody can see would run for ever, so that only happens when someone asked for it by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) &&
        !(asked && std::strcmp(asked, driver) == 0)) {
        openError_ = "no display is available";
        return;
    }
    const Uint32 flags = SDL_WINDOW_RESIZABLE | (windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    // The window is made ready for OpenGL from the start: SDL's OpenGL renderer would otherwise
    // destroy the window and make it again, which on a full screen costs a quarter of a second.
    // Where there is no OpenGL the window is a plain one.
    window_ = SDL_CreateWindow(kCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               flags | SDL_WINDOW_OPENGL);
    if (!window_)
        window_ =
            SDL_CreateWindow(kCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!window_) {
        openError_ = SDL_GetError();
        return;
    }
    // Whatever the machine offers; the software renderer when it offers nothing better.
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        openError_ = SDL_GetError();
        SDL_DestroyWindow(window_);
        window_ = nullptr;
        return;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderPresent(renderer_);
}

SdlWindow::~SdlWindow() {
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlWindow::setCaption(const std::string& caption) {
    if (window_) SDL_SetWindowTitle(window_, caption.c_str());
}

void SdlWindow::setIcon(const std::string& bitmapPath) {
    if (!window_) return;
    SDL_Surface* icon = SDL_LoadBMP(bitmapPath.c_str());
    if (!icon) return;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void SdlWindow::setKeyDownHandler(std::function<void(int)> handler) { keyDown_ = std::move(handler); }

bool SdlWindow::closeRequested() const { return closed_ || endSignalled != 0; }

bool SdlWindow::hasFocus() const { return focused_; }

bool SdlWindow::fullScreen() const {
    return window_ &&
           (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void SdlWindow::toggleFullScreen() {
    if (!window_) return;
    SDL_SetWindowFullscreen(window_, fullScreen() ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (repaint_) repaint_();
}

bool SdlWindow::handleWindowEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            closed_ = true;
            return true;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                closed_ = true;
                return true;
            }
            noteFocus(event.window.event);
            if (needsRepaint(event.window.event)) repaintPending_ = true;
            return false;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            repaintPending_ = true;
            return false;
        case SDL_KEYDOWN:
            if (!isFullScreenSwitch(event.key)) return false;
            if (!event.key.repeat) toggleFullScreen();
            return true;
        case SDL_KEYUP:
            return isFullScreenSwitch(event.key);
        default:
            return gamepads_.handleDeviceEvent(event);
    }
}

// A minimised window may keep the keyboard on some desktops, but the player has left it all the same.
void SdlWindow::noteFocus(Uint8 windowEvent) {
    if (windowEvent == SDL_WINDOWEVENT_FOCUS_GAINED) focused_ = true;
    if (windowEvent == SDL_WINDOWEVENT_FOCUS_LOST || windowEvent == SDL_WINDOWEVENT_MINIMIZED)
        focused_ = false;
}

void SdlWindow::pumpMessages() {
    // The key handler may run a modal dialog, which pumps the same queue itself; each event
    // is still taken exactly once.
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (handleWindowEvent(event) || !keyDown_) continue;
        const int vk = event.type == SDL_KEYDOWN ? virtualKey(event.key.keysym.sym, event.key.keysym.scancode)
                                                 : gamepads_.commandKey(event);
        if (vk != 0) keyDown_(vk);
    }
    // A new window brings several of these at once: one repaint answers them all.
    if (repaintPending_ && repaint_) {
        repaintPending_ = false;
        repaint_();
    }
}

}  // namespace vorn

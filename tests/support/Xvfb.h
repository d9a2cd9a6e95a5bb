// A virtual X server for the end-to-end tests: starts Xvfb on a free display, makes it the
// DISPLAY of this process and of every program it starts, and drives it from outside as a
// player would: keys through xdotool, screenshots through ImageMagick's
// import. Set VORN_NO_MESSAGE_BOX=1 for a game under test, or a message box waits for a click.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vorn::test {

class Xvfb {
public:
    // Throws std::runtime_error when the server does not come up within a few seconds.
    explicit Xvfb(int width = 1024, int height = 768);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    // Stops the server and gives the process its previous DISPLAY back; the destructor does
    // the same if need be.
    void stop();

    struct Image {
        int width = 0, height = 0;
        std::vector<uint8_t> rgb;  // three bytes a pixel, row after row
        // 0xRRGGBB
        uint32_t pixel(int x, int y) const;
    };
    // The whole screen as it is now; an empty image when import fails.
    Image capture() const;

    // xdotool key names: "F1", "Escape", "alt+Return", "shift+Tab", "Right", "Shift_L".
    bool key(const std::string& keys) const;
    bool keyDown(const std::string& keys) const;
    bool keyUp(const std::string& keys) const;
    bool type(const std::string& text) const;
    // Waits until a window whose title contains `title` is shown.
    bool waitForWindow(const std::string& title, int timeoutMs = 30000) const;

    // Runs a program on this display and waits for it; its standard output goes to `output`
    // when given. Returns its exit status, or -1 when it could not run.
    static int run(const std::vector<std::string>& command, std::string* output = nullptr);

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string previousDisplay_;
    bool hadDisplay_ = false;
    int width_, height_;
};

}  // namespace vorn::test

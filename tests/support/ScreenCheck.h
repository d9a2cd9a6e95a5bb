// Looking at what the real program shows on the virtual screen: colours with a little slack
// (the picture goes through a 16-bit surface and the renderer), counts of pixels in a box,
// likeness to a surface the game drew on the headless platform, and waiting for a screen.
// The game's screen is taken to fill the 800 x 600 virtual screen, as it does full screen.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Surface.h"
#include "support/Xvfb.h"

namespace vorn::test {

// Left and top inside, right and bottom just outside, as the game's rectangles are.
struct Box {
    int left, top, right, bottom;
};

using Image = Xvfb::Image;
class GameProcess;

// Where the game draws: the title's two panels, and the score in the status line.
constexpr Box kHelpPanel{5, 155, 200, 420}, kHighScorePanel{605, 155, 800, 420}, kScoreText{12, 32, 148, 58};

// Each channel within `slack` of the 0xRRGGBB colour.
bool near(uint32_t pixel, uint32_t rgb, int slack = 24);
bool isYellow(uint32_t pixel);
bool isWhite(uint32_t pixel);
bool isBlack(uint32_t pixel);

bool isScreen(const Image& image);  // a whole 800 x 600 capture
int countPixels(const Image& image, const Box& box, const std::function<bool(uint32_t)>& which);
// The share of the box's pixels that show the surface's pixel there (RGB565 widened).
double likeness(const Image& image, const Surface& expected, const Box& box);
// How well the pixels of one kind (e.g. the yellow of a text) sit where the game drew them:
// those of that kind in both, over those in either; 1 when there are none in either.
double maskOverlap(const Image& image, const Surface& expected, const Box& box,
                   const std::function<bool(uint32_t)>& which);
// A one-pixel frame of the colour around the box: nearly every pixel of its four edges.
bool framed(const Image& image, const Box& box, const std::function<bool(uint32_t)>& colour);

// The title screen: both panels in their yellow frames.
bool titleShown(const Image& image);
// The play screen with exactly `health` icons in the status line.
bool healthShown(const Image& image, int health);

// Captures the screen until `seen` holds for a whole capture; an empty image when it never
// does within the time.
Image waitForScreen(const Xvfb& x, const std::function<bool(const Image&)>& seen, int timeoutMs);

// Gives the game's window the keyboard, whatever the pointer does.
bool focusGame();
// Escape leaves a game for the title screen and a second one ends the program, in order: true
// when each step came within a few seconds.
bool escapeToTheEnd(const Xvfb& x, GameProcess& game);

}  // namespace vorn::test

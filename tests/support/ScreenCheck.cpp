#include "support/ScreenCheck.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/GameProcess.h"

namespace vorn::test {

namespace {

int channel(uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

uint32_t widen(uint16_t p) {
    const uint32_t r = (p >> 11) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
    return (r << 16) | (g << 8) | b;
}

}  // namespace

bool near(uint32_t pixel, uint32_t rgb, int slack) {
    constexpr int kShifts[] = {16, 8, 0};
    return std::ranges::all_of(
        kShifts, [&](int shift) { return std::abs(channel(pixel, shift) - channel(rgb, shift)) <= slack; });
}

bool isYellow(uint32_t pixel) { return near(pixel, 0xFFFF00, 40); }
bool isWhite(uint32_t pixel) { return near(pixel, 0xFFFFFF, 40); }
bool isBlack(uint32_t pixel) { return near(pixel, 0x000000, 12); }

bool isScreen(const Image& image) { return image.width == 800 && image.height == 600; }

int countPixels(const Image& image, const Box& box, const std::function<bool(uint32_t)>& which) {
    if (!isScreen(image)) return 0;
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) n += which(image.pixel(x, y)) ? 1 : 0;
    return n;
}

double likeness(const Image& image, const Surface& expected, const Box& box) {
    if (!isScreen(image) || expected.width() != 800 || expected.height() != 600) return 0;
    long same = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            same += near(image.pixel(x, y), widen(expected.pixel(x, y)), 8);
    const long all = static_cast<long>(box.right - box.left) * (box.bottom - box.top);
    return all > 0 ? static_cast<double>(same) / static_cast<double>(all) : 0;
}

double maskOverlap(const Image& image, const Surface& expected, const Box& box,
                   const std::function<bool(uint32_t)>& which) {
    if (!isScreen(image) || expected.width() != 800 || expected.height() != 600) return 0;
    long both = 0, either = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const bool shown = which(image.pixel(x, y)), drawn = which(widen(expected.pixel(x, y)));
            both += shown && drawn ? 1 : 0;
            either += shown || drawn ? 1 : 0;
        }
    return either > 0 ? static_cast<double>(both) / static_cast<double>(either) : 1;
}

bool framed(const Image& image, const Box& box, const std::function<bool(uint32_t)>& colour) {
    if (!isScreen(image)) return false;
    const int w = box.right - box.left, h = box.bottom - box.top;
    const int onEdges = countPixels(image, {box.left, box.top, box.right, box.top + 1}, colour) +
                        countPixels(image, {box.left, box.bottom - 1, box.right, box.bottom}, colour) +
                        countPixels(image, {box.left, box.top, box.left + 1, box.bottom}, colour) +
                        countPixels(image, {box.right - 1, box.top, box.right, box.bottom}, colour);
    // A bomb or a crystal may stand in front of a few pixels of it.
    return onEdges >= (2 * w + 2 * h) * 95 / 100;
}

bool titleShown(const Image& image) {
    return framed(image, kHelpPanel, isYellow) && framed(image, kHighScorePanel, isYellow);
}

bool healthShown(const Image& image, int health) {
    auto icon = [&](int h) { return framed(image, {25 * h + 12, 10, 25 * h + 32, 28}, isYellow); };
    for (int h = 0; h < health; ++h)
        if (!icon(h)) return false;
    return !icon(health);
}

Image waitForScreen(const Xvfb& x, const std::function<bool(const Image&)>& seen, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        Image shot = x.capture();
        if (isScreen(shot) && seen(shot)) return shot;
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    } while (std::chrono::steady_clock::now() < deadline);
    return Image{};
}

bool focusGame() { return Xvfb::run({"xdotool", "search", "--name", "Vorn!", "windowfocus", "--sync"}) == 0; }

bool escapeToTheEnd(const Xvfb& x, GameProcess& game) {
    return x.key("Escape") && isScreen(waitForScreen(x, titleShown, 8000)) && x.key("Escape") &&
           game.wait(5000) == 0;
}

}  // namespace vorn::test

// The keyboard snapshot's numbers: SDL's keys as PC set-1 scan codes, extended keys + 128. (The
// command keys' numbers are exercised by the end-to-end tests, which press them for real.)
#include <SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/sdl/KeyCodes.h"

namespace vorn {
namespace {

TEST(PlatformKeys, TheSnapshotNumbersFollowSetOneWithExtendedKeysAbove128) {
    // Every key the game reads, then a key of the keypad and an extended one.
    const std::map<SDL_Scancode, int> keys = {
        {SDL_SCANCODE_P, 0x19},        {SDL_SCANCODE_LCTRL, 0x1D}, {SDL_SCANCODE_LSHIFT, 0x2A},
        {SDL_SCANCODE_RSHIFT, 0x36},   {SDL_SCANCODE_SPACE, 0x39}, {SDL_SCANCODE_RCTRL, 0x9D},
        {SDL_SCANCODE_UP, 0xC8},       {SDL_SCANCODE_LEFT, 0xCB},  {SDL_SCANCODE_RIGHT, 0xCD},
        {SDL_SCANCODE_DOWN, 0xD0},     {SDL_SCANCODE_TAB, 0x0F},   {SDL_SCANCODE_KP_7, 0x47},
        {SDL_SCANCODE_KP_ENTER, 0x9C}, {SDL_SCANCODE_UNKNOWN, 0},
    };
    for (const auto& [scancode, code] : keys)
        EXPECT_EQ(scanCodeKey(scancode), code) << SDL_GetScancodeName(scancode);

    // No two keys share a number (the two backslash positions of the ISO and ANSI boards are
    // one key), and the letters fill their three rows without gaps.
    std::map<int, int> seen;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        const int code = scanCodeKey(static_cast<SDL_Scancode>(sc));
        if (code == 0 || sc == SDL_SCANCODE_NONUSHASH) continue;
        EXPECT_TRUE(seen.emplace(code, sc).second) << "0x" << std::hex << code << " twice";
    }
    std::set<int> letters, rows;
    for (int sc = SDL_SCANCODE_A; sc <= SDL_SCANCODE_Z; ++sc)
        letters.insert(scanCodeKey(static_cast<SDL_Scancode>(sc)));
    for (auto [from, to] : {std::pair{0x10, 0x19}, {0x1E, 0x26}, {0x2C, 0x32}})
        for (int c = from; c <= to; ++c) rows.insert(c);
    EXPECT_EQ(letters, rows);
}

}  // namespace
}  // namespace vorn

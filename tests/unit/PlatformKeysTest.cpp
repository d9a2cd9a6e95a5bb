// The keyboard numbers: SDL's keys as DirectInput key numbers for the snapshot, and as
// Windows virtual keys for the main window.
#include <SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/sdl/KeyCodes.h"

namespace vorn {
namespace {

TEST(PlatformKeys, EveryKeyTheGameReadsHasItsDirectInputNumber) {
    const std::map<SDL_Scancode, int> played = {
        {SDL_SCANCODE_P, 0x19},      {SDL_SCANCODE_LCTRL, 0x1D}, {SDL_SCANCODE_LSHIFT, 0x2A},
        {SDL_SCANCODE_RSHIFT, 0x36}, {SDL_SCANCODE_SPACE, 0x39}, {SDL_SCANCODE_RCTRL, 0x9D},
        {SDL_SCANCODE_UP, 0xC8},     {SDL_SCANCODE_LEFT, 0xCB},  {SDL_SCANCODE_RIGHT, 0xCD},
        {SDL_SCANCODE_DOWN, 0xD0},
    };
    for (const auto& [scancode, code] : played)
        EXPECT_EQ(directInputKey(scancode), code) << SDL_GetScancodeName(scancode);
}

TEST(PlatformKeys, TheWholeKeyboardFollowsSetOne) {
    // Spot checks across the rows, the keypad and the extended keys.
    const std::map<SDL_Scancode, int> keys = {
        {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_1, 0x02},         {SDL_SCANCODE_0, 0x0B},
        {SDL_SCANCODE_Q, 0x10},      {SDL_SCANCODE_A, 0x1E},         {SDL_SCANCODE_Z, 0x2C},
        {SDL_SCANCODE_M, 0x32},      {SDL_SCANCODE_RETURN, 0x1C},    {SDL_SCANCODE_F1, 0x3B},
        {SDL_SCANCODE_F10, 0x44},    {SDL_SCANCODE_F11, 0x57},       {SDL_SCANCODE_F12, 0x58},
        {SDL_SCANCODE_KP_7, 0x47},   {SDL_SCANCODE_KP_0, 0x52},      {SDL_SCANCODE_KP_ENTER, 0x9C},
        {SDL_SCANCODE_RALT, 0xB8},   {SDL_SCANCODE_KP_DIVIDE, 0xB5}, {SDL_SCANCODE_HOME, 0xC7},
        {SDL_SCANCODE_DELETE, 0xD3}, {SDL_SCANCODE_LGUI, 0xDB},      {SDL_SCANCODE_PAGEDOWN, 0xD1},
    };
    for (const auto& [scancode, code] : keys)
        EXPECT_EQ(directInputKey(scancode), code) << SDL_GetScancodeName(scancode);

    // No two keys share a number (the two backslash positions of the ISO and ANSI boards are
    // one key), and the letters fill their three rows without gaps.
    std::map<int, SDL_Scancode> seen;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        const int code = directInputKey(static_cast<SDL_Scancode>(sc));
        if (code == 0 || sc == SDL_SCANCODE_NONUSHASH) continue;
        const auto [at, fresh] = seen.emplace(code, static_cast<SDL_Scancode>(sc));
        EXPECT_TRUE(fresh) << "0x" << std::hex << code << " for "
                           << SDL_GetScancodeName(static_cast<SDL_Scancode>(sc)) << " and "
                           << SDL_GetScancodeName(at->second);
    }
    std::set<int> letters;
    for (int sc = SDL_SCANCODE_A; sc <= SDL_SCANCODE_Z; ++sc)
        letters.insert(directInputKey(static_cast<SDL_Scancode>(sc)));
    std::set<int> rows;
    for (int c = 0x10; c <= 0x19; ++c) rows.insert(c);
    for (int c = 0x1E; c <= 0x26; ++c) rows.insert(c);
    for (int c = 0x2C; c <= 0x32; ++c) rows.insert(c);
    EXPECT_EQ(letters, rows);
    EXPECT_EQ(directInputKey(SDL_SCANCODE_UNKNOWN), 0);
}

TEST(PlatformKeys, CommandKeysArriveAsVirtualKeys) {
    EXPECT_EQ(virtualKey(SDLK_F1, SDL_SCANCODE_F1), 112);
    EXPECT_EQ(virtualKey(SDLK_F2, SDL_SCANCODE_F2), 113);
    EXPECT_EQ(virtualKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), 27);
    EXPECT_EQ(virtualKey(SDLK_F5, SDL_SCANCODE_F5), 116);
    EXPECT_EQ(virtualKey(SDLK_F6, SDL_SCANCODE_F6), 117);
    EXPECT_EQ(virtualKey(SDLK_F7, SDL_SCANCODE_F7), 118);
    EXPECT_EQ(virtualKey(SDLK_F12, SDL_SCANCODE_F12), 123);
    EXPECT_EQ(virtualKey(SDLK_RETURN, SDL_SCANCODE_RETURN), 13);
    EXPECT_EQ(virtualKey(SDLK_SPACE, SDL_SCANCODE_SPACE), 32);
    EXPECT_EQ(virtualKey(SDLK_LEFT, SDL_SCANCODE_LEFT), 37);
    EXPECT_EQ(virtualKey(SDLK_DOWN, SDL_SCANCODE_DOWN), 40);
    EXPECT_EQ(virtualKey(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT), 16);
    EXPECT_EQ(virtualKey(SDLK_RCTRL, SDL_SCANCODE_RCTRL), 17);
    EXPECT_EQ(virtualKey(SDLK_KP_0, SDL_SCANCODE_KP_0), 96);
    EXPECT_EQ(virtualKey(SDLK_KP_9, SDL_SCANCODE_KP_9), 105);
    EXPECT_EQ(virtualKey(SDLK_KP_5, SDL_SCANCODE_KP_5), 101);

    // Letters and digits are their capital characters, wherever the layout puts them.
    EXPECT_EQ(virtualKey(SDLK_p, SDL_SCANCODE_P), 'P');
    EXPECT_EQ(virtualKey(SDLK_a, SDL_SCANCODE_Q), 'A');  // the A key of a French keyboard
    EXPECT_EQ(virtualKey(SDLK_7, SDL_SCANCODE_7), '7');
    EXPECT_EQ(virtualKey(SDLK_0, SDL_SCANCODE_0), '0');
    // A layout without Latin letters or with symbols on the digit row goes by position.
    EXPECT_EQ(virtualKey(0x0444, SDL_SCANCODE_A), 'A');
    EXPECT_EQ(virtualKey(SDLK_AMPERSAND, SDL_SCANCODE_1), '1');
    EXPECT_EQ(virtualKey(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
}

}  // namespace
}  // namespace vorn

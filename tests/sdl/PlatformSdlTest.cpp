// The SDL platform without a screen: SDL's dummy video and audio drivers stand in for the
// display and the sound card, so the window, the picture scaling, the mixer channels and the
// message pump run for real.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "core/Error.h"
#include "platform/sdl/KeyCodes.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

struct DummyDrivers {
    explicit DummyDrivers(const char* driver = "dummy") {
        setenv("SDL_VIDEODRIVER", driver, 1);
        setenv("SDL_AUDIODRIVER", driver, 1);
        setenv("VORN_NO_MESSAGE_BOX", "1", 1);
    }
    ~DummyDrivers() {
        for (const char* name : {"SDL_VIDEODRIVER", "SDL_AUDIODRIVER", "VORN_NO_MESSAGE_BOX"}) unsetenv(name);
    }
};

// What the window shows at (x, y): 'r'ed, 'g'reen, blac'k', or '?'.
char shownAt(SdlWindow& window, int x, int y) {
    const SDL_Rect one{x, y, 1, 1};
    uint32_t p = 0;
    SDL_RenderReadPixels(window.renderer(), &one, SDL_PIXELFORMAT_RGB888, &p, 4);
    const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (r > 0xF0 && g < 0x10 && b < 0x10) return 'r';
    if (g > 0xF0 && r < 0x10 && b < 0x10) return 'g';
    return r == 0 && g == 0 && b == 0 ? 'k' : '?';
}

void pushWindowEvent(SdlWindow& window, Uint8 windowEvent) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = windowEvent;
    e.window.windowID = SDL_GetWindowID(window.sdl());
    SDL_PushEvent(&e);
}

// A 16-bit display on the window, its picture red on the left half and green on the right.
class SdlScreen : public testing::Test {
protected:
    SdlScreen() {
        sdl.display.open(800, 600, 16);
        Surface& s = *sdl.display.primary();
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                s.setPixel(x, y, toRgb565(x < 400 ? rgb(255, 0, 0) : rgb(0, 255, 0)));
    }
    bool shows(char left, char right) {
        return shownAt(sdl.window, 100, 300) == left && shownAt(sdl.window, 700, 300) == right;
    }
    // Black drawn on the window behind the display's back.
    void scribble() {
        SDL_SetRenderDrawColor(sdl.window.renderer(), 0, 0, 0, 255);
        SDL_RenderClear(sdl.window.renderer());
    }

    DummyDrivers drivers;
    SdlPlatform sdl{true};
};

TEST_F(SdlScreen, OnlyTheSixteenBitPictureOpensAndFillsTheWindowWithItsShapeKept) {
    EXPECT_FALSE(sdl.window.fullScreen());
    EXPECT_THROW(sdl.display.open(800, 600, 32), VornError);
    using Probe = std::tuple<int, int, char>;
    const std::tuple<int, int, std::vector<Probe>> windows[] = {
        {800, 600, {{10, 10, 'r'}, {790, 590, 'g'}}},
        // Wide: bars left and right. Tall and large: scaled up, bars above and below.
        {1000, 600, {{50, 300, 'k'}, {110, 300, 'r'}, {890, 300, 'g'}, {950, 300, 'k'}}},
        {1600, 1400, {{400, 50, 'k'}, {400, 700, 'r'}, {1200, 700, 'g'}, {1200, 1350, 'k'}}},
    };
    for (const auto& [w, h, probes] : windows) {
        SDL_SetWindowSize(sdl.window.sdl(), w, h);
        sdl.display.presentPrimary();
        for (const auto& [x, y, colour] : probes)
            EXPECT_EQ(shownAt(sdl.window, x, y), colour) << x << "," << y;
    }
    EXPECT_FLOAT_EQ(sdl.display.scale(), 2.0f);
}

TEST_F(SdlScreen, AStillPictureIsPresentedOnceAndAgainAfterADialogOrAnUncoveredWindow) {
    sdl.display.presentPrimary();
    ASSERT_TRUE(shows('r', 'g'));
    scribble();
    sdl.display.presentPrimary();
    EXPECT_TRUE(shows('k', 'k')) << "the same picture is not presented again";
    scribble();
    sdl.display.primary()->setPixel(799, 599, 0);
    sdl.display.presentPrimary();
    EXPECT_TRUE(shows('r', 'g')) << "a changed picture is";

    // A dialog draws over the last picture; the next frame, the same picture, takes it away.
    sdl.display.renderLastFrame();
    scribble();
    SDL_RenderPresent(sdl.window.renderer());
    sdl.display.presentPrimary();
    EXPECT_TRUE(shows('r', 'g'));

    // An uncovered window is drawn again as soon as the message pump hears of it.
    sdl.window.pumpMessages();
    scribble();
    sdl.window.pumpMessages();
    ASSERT_TRUE(shows('k', 'k'));
    pushWindowEvent(sdl.window, SDL_WINDOWEVENT_EXPOSED);
    sdl.window.pumpMessages();
    EXPECT_TRUE(shows('r', 'g'));
}

TEST_F(SdlScreen, ThePumpSwitchesFullScreenItselfPassesOtherKeysOnAndHearsTheFocusAndTheClose) {
    std::vector<int> keys;
    sdl.window.setKeyDownHandler([&](int vk) { keys.push_back(vk); });
    auto key = [](SDL_Scancode sc, SDL_Keycode sym, Uint16 mod, Uint32 type = SDL_KEYDOWN) {
        SDL_Event e{};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.scancode = sc;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    };
    key(SDL_SCANCODE_F11, SDLK_F11, 0);
    key(SDL_SCANCODE_F11, SDLK_F11, 0, SDL_KEYUP);
    key(SDL_SCANCODE_F1, SDLK_F1, 0);
    sdl.window.pumpMessages();
    EXPECT_TRUE(sdl.window.fullScreen());
    key(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
    key(SDL_SCANCODE_RETURN, SDLK_RETURN, 0);
    key(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, SDL_KEYUP);
    sdl.window.pumpMessages();
    EXPECT_FALSE(sdl.window.fullScreen());
    EXPECT_EQ(keys, std::vector<int>({112, 13}));

    // Leaving the window or minimising it takes the focus away until the keyboard comes back.
    auto heard = [&](Uint8 windowEvent) {
        pushWindowEvent(sdl.window, windowEvent);
        sdl.window.pumpMessages();
        return sdl.window.hasFocus();
    };
    EXPECT_TRUE(sdl.window.hasFocus());
    EXPECT_FALSE(heard(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_TRUE(heard(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_FALSE(heard(SDL_WINDOWEVENT_MINIMIZED)) << "even where the desktop leaves it the keyboard";
    EXPECT_FALSE(heard(SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(heard(SDL_WINDOWEVENT_FOCUS_GAINED));

    EXPECT_FALSE(sdl.window.closeRequested());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    sdl.window.pumpMessages();
    EXPECT_TRUE(sdl.window.closeRequested());
}

// Without a sound device the game runs silent, but still checks its files; a message still
// reaches standard error, and nothing waits for a click. (Without a display the real program says
// so and ends: see the command line's end-to-end test.)
TEST(PlatformSdl, WithoutASoundDeviceTheGameRunsSilentAndMessagesGoToStandardError) {
    DummyDrivers drivers("no-such-driver");
    SdlPlatform sdl(true);
    test::DataDir dir(true);
    dir.write("a.wav", test::waveBytes());
    SdlSound sound;
    testing::internal::CaptureStderr();
    sound.open();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("silent"), std::string::npos);
    sound.play(*sound.load("a.wav", true));
    EXPECT_THROW(sound.load("missing.wav", false), VornError);

    unsetenv("VORN_NO_MESSAGE_BOX");
    SdlMessageBox box(sdl.window);
    testing::internal::CaptureStderr();
    box.show("VBGE - Initialize - The display could not be opened");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "VBGE - Initialize - The display could not be opened\n");
}

TEST(PlatformSdl, EverySoundHasAChannelOfItsOwnSoItRestartsAndOthersMix) {
    DummyDrivers drivers;
    test::DataDir dir(true);
    dir.write("a.wav", test::waveBytes());
    SdlSound sound;
    sound.open();
    ASSERT_FALSE(sound.silent());
    SoundRef a = sound.load("a.wav", false), b = sound.load("a.wav", true);
    sound.play(*a);
    sound.play(*b);
    sound.play(*a);  // restarts on its own channel instead of taking another
    EXPECT_EQ(Mix_AllocateChannels(-1), 2);
    EXPECT_EQ(Mix_Playing(-1), 2);
    // A released buffer gives its channel back.
    a.reset();
    SoundRef c = sound.load("a.wav", false);
    EXPECT_EQ(Mix_AllocateChannels(-1), 2);
}

// The keyboard snapshot's numbers: SDL's keys as PC set-1 scan codes, extended keys + 128. (The
// command keys' numbers are exercised by the end-to-end tests, which press them for real.)
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

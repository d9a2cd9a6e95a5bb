// The SDL platform without a screen: SDL's dummy video and audio drivers stand in for the
// display and the sound card, so the window, the picture scaling, the mixer channels, the
// message pump and the fonts run for real.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Error.h"
#include "core/Windows1252.h"
#include "platform/Font.h"
#include "platform/FontMatch.h"
#include "platform/Surface.h"
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
    void scribble() const {
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

TEST_F(SdlScreen, AStillPictureIsPresentedAgainAfterADialogOrAnUncoveredWindow) {
    sdl.display.presentPrimary();
    ASSERT_TRUE(shows('r', 'g'));

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

// Fonts and text: face names resolved through fontconfig, glyphs at 96 dots per inch, text
// drawn in the fore colour on a transparent background, the game's character set.
constexpr uint16_t kBackground = 0x0841;

void fill(Surface& s, uint16_t value) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, value);
}

TEST(PlatformText, FacesResolveToFilesOfTheirOwnAndEveryCharacterOfTheCodePageHasAGlyph) {
    const FontFile comic = matchFont("Comic Sans MS"), arial = matchFont("Arial");
    EXPECT_TRUE(std::filesystem::is_regular_file(comic.path)) << comic.path;
    EXPECT_TRUE(std::filesystem::is_regular_file(arial.path)) << arial.path;
    EXPECT_NE(comic.path, arial.path);

    // A new size renders the glyphs again (the size in dots per inch is checked against
    // SDL_ttf below).
    Font font("Arial", 8);
    const int small = font.glyph('H').height;
    font.setSize(16);
    EXPECT_GT(font.glyph('H').height, small * 3 / 2);

    // Every printable character of the code page has a glyph, and nothing else does.
    for (int ch = 0; ch < 256; ++ch) {
        const bool printable = ch >= 32 && ch != 127 && isAssignedWindows1252(static_cast<uint8_t>(ch));
        EXPECT_EQ(font.glyph(static_cast<uint8_t>(ch)).advance > 0, printable) << ch;
    }
    EXPECT_GT(font.glyph(0x80).width, 0);  // the euro sign
}

// The text of the glyph cache, laid glyph after glyph, is the text SDL_ttf itself draws as one line.
TEST(PlatformText, TextIsDrawnInTheForeColourWhereTheFontPutsItOverWhatWasThere) {
    const std::string text = "Fps: 33";
    Font font("Arial", 12);
    Surface s(120, 40);
    fill(s, kBackground);
    s.setFont(font);
    s.setForeColour(rgb(255, 255, 0));
    const int x0 = 7, y0 = 9;
    s.drawText(x0, y0, text);

    ASSERT_EQ(TTF_Init(), 0);
    const FontFile file = matchFont("Arial");
    TTF_Font* ttf = TTF_OpenFontIndexDPI(file.path.c_str(), 12, file.index, 96, 96);
    ASSERT_NE(ttf, nullptr);
    TTF_SetFontKerning(ttf, 0);
    SDL_Surface* line = TTF_RenderUTF8_Blended(ttf, text.c_str(), SDL_Color{255, 255, 255, 255});
    SDL_Surface* argb = line ? SDL_ConvertSurfaceFormat(line, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    ASSERT_NE(argb, nullptr);
    const uint16_t yellow = toRgb565(rgb(255, 255, 0));
    int covered = 0, full = 0, wrong = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const int lx = x - x0, ly = y - y0;
            uint32_t alpha = 0;
            if (lx >= 0 && ly >= 0 && lx < argb->w && ly < argb->h)
                alpha = static_cast<const uint32_t*>(argb->pixels)[ly * argb->pitch / 4 + lx] >> 24;
            const uint16_t p = s.pixel(x, y);
            // Faint edges may round to the background in 16 bits; firm ink may not.
            wrong += alpha == 0     ? p != kBackground
                     : alpha == 255 ? p != yellow
                                    : alpha >= 96 && p == kBackground;
            covered += alpha > 0;
            full += alpha == 255;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(covered, 30);
    EXPECT_GT(full, 5);
    SDL_FreeSurface(argb);
    SDL_FreeSurface(line);
    TTF_CloseFont(ttf);
    TTF_Quit();
}

TEST(PlatformText, TextIsUtf8StrayBytesAreTheGameCodePageAndForeignCharactersQuestionMarks) {
    Font font("Arial", 12);
    auto draw = [&](const std::string& text) {
        auto s = std::make_unique<Surface>(60, 30);
        fill(*s, 0);
        s->setFont(font);
        s->setForeColour(rgb(255, 255, 255));
        s->drawText(2, 2, text);
        return s;
    };
    auto same = [](const Surface& a, const Surface& b) {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) return false;
        return true;
    };
    EXPECT_TRUE(same(*draw("J\xC3\xA9r\xC3\xB4me"), *draw("J\xE9r\xF4me")));
    EXPECT_TRUE(same(*draw("\xE4\xB8\xAD"), *draw("?")));
    EXPECT_TRUE(same(*draw("\xE2\x82\xAC"), *draw("\x80")));  // the euro sign
    EXPECT_FALSE(same(*draw("\x80"), *draw("?")));

    // The conversions the message box uses for texts that are not UTF-8.
    for (int b = 0x20; b < 256; ++b)
        EXPECT_EQ(unicodeToWindows1252(windows1252ToUnicode(static_cast<uint8_t>(b))), b) << b;
}

}  // namespace
}  // namespace vorn

// The SDL platform without a screen: SDL's dummy video and audio drivers stand in for the
// display and the sound card, so the window, the picture scaling, the pointer, the mixer
// channels and the message pump run for real.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/Error.h"
#include "platform/sdl/SdlPlatform.h"
#include "platform/sdl/ShownFrame.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

struct DummyDrivers {
    explicit DummyDrivers(const char* video = "dummy", const char* audio = "dummy") {
        setenv("SDL_VIDEODRIVER", video, 1);
        setenv("SDL_AUDIODRIVER", audio, 1);
        setenv("VORN_NO_MESSAGE_BOX", "1", 1);
    }
    ~DummyDrivers() {
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("VORN_NO_MESSAGE_BOX");
    }
};

// The window's pixels as 0xRRGGBB values.
std::vector<uint32_t> readWindow(SdlWindow& window, int& width, int& height) {
    SDL_GetRendererOutputSize(window.renderer(), &width, &height);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    SDL_RenderReadPixels(window.renderer(), nullptr, SDL_PIXELFORMAT_RGB888, pixels.data(), width * 4);
    for (auto& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

// What a window pixel shows: 'r'ed, 'g'reen, blac'k', or '?'.
char colourOf(uint32_t p) {
    const uint32_t r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (r > 0xF0 && g < 0x10 && b < 0x10) return 'r';
    if (g > 0xF0 && r < 0x10 && b < 0x10) return 'g';
    if (p == 0) return 'k';
    return '?';
}

void paintHalves(Surface& s) {
    const uint16_t red = toRgb565(rgb(255, 0, 0)), green = toRgb565(rgb(0, 255, 0));
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, x < s.width() / 2 ? red : green);
}

TEST(PlatformSdl, ThePictureFillsTheWindowWithItsShapeKeptAndBlackBarsBeside) {
    DummyDrivers drivers;
    SdlPlatform sdl(true);
    ASSERT_NE(sdl.window.renderer(), nullptr) << sdl.window.openError();
    EXPECT_FALSE(sdl.window.fullScreen());
    sdl.display.open(800, 600, 16);
    paintHalves(*sdl.display.primary());
    sdl.display.presentPrimary();

    int w = 0, h = 0;
    auto pixels = readWindow(sdl.window, w, h);
    ASSERT_EQ(w, 800);
    ASSERT_EQ(h, 600);
    EXPECT_EQ(colourOf(pixels[10 * w + 10]), 'r');
    EXPECT_EQ(colourOf(pixels[590 * w + 790]), 'g');

    // A wide window: bars left and right.
    SDL_SetWindowSize(sdl.window.sdl(), 1000, 600);
    const SDL_Rect wide = sdl.display.pictureRect();
    EXPECT_EQ(wide.x, 100);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.w, 800);
    EXPECT_EQ(wide.h, 600);
    sdl.display.presentPrimary();
    pixels = readWindow(sdl.window, w, h);
    ASSERT_EQ(w, 1000);
    EXPECT_EQ(colourOf(pixels[300 * w + 50]), 'k');
    EXPECT_EQ(colourOf(pixels[300 * w + 110]), 'r');
    EXPECT_EQ(colourOf(pixels[300 * w + 890]), 'g');
    EXPECT_EQ(colourOf(pixels[300 * w + 950]), 'k');

    // A tall, large window: scaled up, bars above and below.
    SDL_SetWindowSize(sdl.window.sdl(), 1600, 1400);
    const SDL_Rect tall = sdl.display.pictureRect();
    EXPECT_EQ(tall.w, 1600);
    EXPECT_EQ(tall.h, 1200);
    EXPECT_EQ(tall.y, 100);
    EXPECT_FLOAT_EQ(sdl.display.scale(), 2.0f);
    sdl.display.presentPrimary();
    pixels = readWindow(sdl.window, w, h);
    EXPECT_EQ(colourOf(pixels[50 * w + 400]), 'k');
    EXPECT_EQ(colourOf(pixels[700 * w + 400]), 'r');
    EXPECT_EQ(colourOf(pixels[700 * w + 1200]), 'g');
    EXPECT_EQ(colourOf(pixels[1350 * w + 1200]), 'k');
}

TEST(PlatformSdl, APictureGoesToTheWindowOnlyWhenItOrTheWindowChanged) {
    Surface picture(5, 4), smaller(5, 3);
    ShownFrame shown;
    EXPECT_TRUE(shown.needsPresent(picture, 800, 600));  // the first picture always
    EXPECT_FALSE(shown.needsPresent(picture, 800, 600));
    EXPECT_FALSE(shown.needsPresent(picture, 800, 600));

    // A change in any pixel, the last one too, shows the picture again, once.
    for (auto [x, y] : {std::pair{0, 0}, std::pair{4, 3}, std::pair{2, 1}}) {
        picture.setPixel(x, y, static_cast<uint16_t>(picture.pixel(x, y) + 1));
        EXPECT_TRUE(shown.needsPresent(picture, 800, 600)) << x << "," << y;
        EXPECT_FALSE(shown.needsPresent(picture, 800, 600)) << x << "," << y;
    }

    // So does a window of another size, another picture of other proportions, or a window
    // that was drawn over.
    EXPECT_TRUE(shown.needsPresent(picture, 1024, 600));
    EXPECT_TRUE(shown.needsPresent(picture, 1024, 768));
    EXPECT_FALSE(shown.needsPresent(picture, 1024, 768));
    EXPECT_TRUE(shown.needsPresent(smaller, 1024, 768));
    EXPECT_FALSE(shown.needsPresent(smaller, 1024, 768));
    shown.forget();
    EXPECT_TRUE(shown.needsPresent(smaller, 1024, 768));
    EXPECT_FALSE(shown.needsPresent(smaller, 1024, 768));
}

TEST(PlatformSdl, AStillPictureIsPresentedOnceAndAgainAfterADialogOrAnUncoveredWindow) {
    DummyDrivers drivers;
    SdlPlatform sdl(true);
    ASSERT_NE(sdl.window.renderer(), nullptr) << sdl.window.openError();
    sdl.display.open(800, 600, 16);
    paintHalves(*sdl.display.primary());
    sdl.display.presentPrimary();
    int w = 0, h = 0;
    auto shows = [&](char left, char right) {
        const auto pixels = readWindow(sdl.window, w, h);
        return colourOf(pixels[300 * w + 100]) == left && colourOf(pixels[300 * w + 700]) == right;
    };
    ASSERT_TRUE(shows('r', 'g'));

    // Black drawn on the window behind the display's back stays while the picture is the same.
    auto scribble = [&] {
        SDL_SetRenderDrawColor(sdl.window.renderer(), 0, 0, 0, 255);
        SDL_RenderClear(sdl.window.renderer());
    };
    scribble();
    sdl.display.presentPrimary();
    EXPECT_TRUE(shows('k', 'k'));
    // A changed picture replaces it.
    sdl.display.primary()->setPixel(799, 599, 0);
    sdl.display.presentPrimary();
    EXPECT_TRUE(shows('r', 'g'));

    // A dialog draws over the last picture and presents; the next frame, the same picture as
    // before, takes the dialog away.
    sdl.display.renderLastFrame();
    SDL_SetRenderDrawColor(sdl.window.renderer(), 0, 0, 0, 255);
    SDL_Rect dialog{50, 50, 700, 500};
    SDL_RenderFillRect(sdl.window.renderer(), &dialog);
    SDL_RenderPresent(sdl.window.renderer());
    EXPECT_TRUE(shows('k', 'k'));
    sdl.display.presentPrimary();
    EXPECT_TRUE(shows('r', 'g'));

    // An uncovered window is drawn again as soon as the message pump hears of it.
    sdl.window.pumpMessages();
    scribble();
    sdl.window.pumpMessages();
    ASSERT_TRUE(shows('k', 'k'));
    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    exposed.window.windowID = SDL_GetWindowID(sdl.window.sdl());
    SDL_PushEvent(&exposed);
    sdl.window.pumpMessages();
    EXPECT_TRUE(shows('r', 'g'));
}

TEST(PlatformSdl, OnlyTheSixteenBitModeOpens) {
    DummyDrivers drivers;
    SdlPlatform sdl(true);
    try {
        sdl.display.open(800, 600, 32);
        FAIL() << "a 32-bit display opened";
    } catch (const VornError& e) {
        EXPECT_STREQ(e.what(), "The display mode is not supported.");
    }
    EXPECT_EQ(sdl.display.primary(), nullptr);
    sdl.display.open(800, 600, 16);
    ASSERT_NE(sdl.display.primary(), nullptr);
    EXPECT_EQ(sdl.display.primary()->width(), 800);
    EXPECT_EQ(sdl.display.backBuffer()->height(), 600);
    EXPECT_NE(sdl.display.primary(), sdl.display.backBuffer());
}

TEST(PlatformSdl, WithoutADisplayNothingThrowsUntilTheGameOpensTheScreenOrTheKeyboard) {
    DummyDrivers drivers("no-such-driver", "no-such-driver");
    SdlPlatform sdl(true);
    EXPECT_EQ(sdl.window.sdl(), nullptr);
    EXPECT_FALSE(sdl.window.openError().empty());
    EXPECT_THROW(sdl.display.open(800, 600, 16), VornError);
    EXPECT_THROW(sdl.keyboard.open(), VornError);
    uint8_t keys[256];
    EXPECT_THROW(sdl.keyboard.snapshot(keys), VornError);

    // The message still reaches standard error, and nothing waits for a click.
    unsetenv("VORN_NO_MESSAGE_BOX");
    SdlMessageBox box(sdl.window);
    testing::internal::CaptureStderr();
    box.show("VBGE - Initialize - The display could not be opened");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "VBGE - Initialize - The display could not be opened\n");

    // The pump and the dialogs do nothing harmful either.
    sdl.window.pumpMessages();
    EXPECT_FALSE(sdl.window.closeRequested());
}

TEST(PlatformSdl, TheKeyboardOpensOnTheWindowAndReadsNoKeysWhenNoneAreHeld) {
    DummyDrivers drivers;
    SdlPlatform sdl(true);
    uint8_t keys[256];
    EXPECT_THROW(sdl.keyboard.snapshot(keys), VornError);  // before open
    sdl.keyboard.open();
    std::fill(std::begin(keys), std::end(keys), 0xFF);
    sdl.keyboard.snapshot(keys);
    for (int i = 0; i < 256; ++i) EXPECT_LT(keys[i], 0x80) << i;
}

TEST(PlatformSdl, TheMessagePumpSwitchesFullScreenItselfAndPassesOtherKeysOn) {
    DummyDrivers drivers;
    SdlPlatform sdl(true);
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
    EXPECT_EQ(keys, std::vector<int>({112}));

    key(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT);
    key(SDL_SCANCODE_RETURN, SDLK_RETURN, 0);
    key(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0);
    key(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, SDL_KEYUP);
    sdl.window.pumpMessages();
    EXPECT_FALSE(sdl.window.fullScreen());
    EXPECT_EQ(keys, std::vector<int>({112, 13, 27}));
    EXPECT_FALSE(sdl.window.closeRequested());

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    sdl.window.pumpMessages();
    EXPECT_TRUE(sdl.window.closeRequested());
}

TEST(PlatformSdl, EndSignalsAskForTheOrderlyEnd) {
    // In a child process: the request, once made, lasts for the process.
    for (int sig : {SIGINT, SIGTERM}) {
        EXPECT_EXIT(
            {
                DummyDrivers drivers;
                SdlPlatform sdl(true);
                const bool before = sdl.window.closeRequested();
                std::raise(sig);
                std::_Exit(!before && sdl.window.closeRequested() ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << sig;
    }
}

TEST(PlatformSdl, ThePointerShowsWhileItsCountIsZeroOrMore) {
    DummyDrivers drivers;
    SdlPlatform sdl(true);
    SdlCursor& cursor = sdl.cursor;
    EXPECT_EQ(cursor.showCursor(false), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(cursor.showCursor(false), -2);
    EXPECT_EQ(cursor.showCursor(true), -1);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(cursor.showCursor(true), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_EQ(cursor.showCursor(true), 1);
    EXPECT_EQ(cursor.showCursor(false), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST(PlatformSdl, EverySoundHasAChannelOfItsOwnSoItRestartsAndOthersMix) {
    DummyDrivers drivers;
    test::DataDir dir(true);
    dir.write("a.wav", test::waveBytes());
    dir.write("b.wav", test::waveBytes());
    dir.write("c.wav", test::waveBytes());
    dir.write("broken.wav", "RIFF....WAVEjunk");

    SdlSound sound;
    sound.open();
    ASSERT_FALSE(sound.silent());
    SoundRef a = sound.load("a.wav", false);
    SoundRef b = sound.load("b.wav", true);
    EXPECT_EQ(Mix_AllocateChannels(-1), 2);
    sound.play(*a);
    sound.play(*b);
    EXPECT_EQ(Mix_Playing(-1), 2);
    sound.play(*a);  // restarts on its own channel instead of taking another
    EXPECT_EQ(Mix_Playing(-1), 2);

    // A released buffer gives its channel back.
    a.reset();
    SoundRef c = sound.load("c.wav", false);
    EXPECT_EQ(Mix_AllocateChannels(-1), 2);

    try {
        sound.load("missing.wav", false);
        FAIL() << "a missing file loaded";
    } catch (const VornError& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_THROW(sound.load("broken.wav", false), VornError);
}

TEST(PlatformSdl, WithoutASoundDeviceTheGameRunsSilentButStillChecksItsFiles) {
    DummyDrivers drivers("dummy", "no-such-driver");
    test::DataDir dir(true);
    dir.write("a.wav", test::waveBytes());
    dir.write("broken.wav", "not a wave file at all");

    SdlSound sound;
    testing::internal::CaptureStderr();
    sound.open();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("silent"), std::string::npos) << said;
    EXPECT_TRUE(sound.silent());

    SoundRef a = sound.load("a.wav", true);
    ASSERT_NE(a, nullptr);
    sound.play(*a);
    EXPECT_THROW(sound.load("broken.wav", false), VornError);
    EXPECT_THROW(sound.load("missing.wav", false), VornError);
}

}  // namespace
}  // namespace vorn

// The three engines over the headless platform: clipping, the colour key, showing the primary
// surface, and the messages of calls made too early or on missing files.
#include <gtest/gtest.h>

#include <cstring>

#include "engines/VBGE.h"
#include "engines/VBIE.h"
#include "engines/VBSE.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

constexpr uint16_t kRed = 0xF800, kGreen = 0x07E0, kWhite = 0xFFFF;

// A 40 x 36 sprite whose every pixel tells where it came from.
std::shared_ptr<Surface> numberedSprite() {
    auto s = std::make_shared<Surface>(40, 36);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 40; ++x) s->setPixel(x, y, static_cast<uint16_t>(y * 64 + x + 1));
    return s;
}

class GraphicsEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        ASSERT_TRUE(ge.Initialize(800, 600, 16));
    }
    HeadlessPlatform headless;
    VBGE ge{headless.display, headless.messages};
};

TEST_F(GraphicsEngineTest, CopiesOutsideTheScreenDrawNothingAndSucceed) {
    auto sprite = numberedSprite();
    Surface& back = *ge.BackBuffer();
    const Rect cases[] = {
        {-60, 100, -20, 136},  // wholly left
        {100, -50, 140, -14},  // wholly above
        {800, 100, 840, 136},  // starts at the right edge
        {100, 600, 140, 636},  // starts at the bottom edge
        {900, 700, 940, 736},  // far beyond both
    };
    for (const Rect& start : cases) {
        Rect dest = start, src{0, 0, 40, 36};
        EXPECT_TRUE(ge.Blit(back, dest, *sprite, src, kBltWait));
        EXPECT_EQ(dest, start) << "an unclipped rectangle keeps its values";
        EXPECT_EQ(src, (Rect{0, 0, 40, 36}));
    }
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7) ASSERT_EQ(back.pixel(x, y), 0) << x << "," << y;
    EXPECT_TRUE(headless.messages.shown.empty());
}

TEST_F(GraphicsEngineTest, ClipsBothRectanglesInPlaceAtEveryEdge) {
    auto sprite = numberedSprite();
    Surface& back = *ge.BackBuffer();

    // A sprite hanging 15 pixels off the left edge.
    Rect dest{-15, 200, 25, 236}, src{0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(back, dest, *sprite, src, kBltWait));
    EXPECT_EQ(dest, (Rect{0, 200, 25, 236}));
    EXPECT_EQ(src, (Rect{15, 0, 40, 36}));
    EXPECT_EQ(back.pixel(0, 200), sprite->pixel(15, 0));
    EXPECT_EQ(back.pixel(24, 235), sprite->pixel(39, 35));
    EXPECT_EQ(back.pixel(25, 200), 0);

    // Off the top.
    dest = {300, -10, 340, 26};
    src = {0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(back, dest, *sprite, src, kBltWait));
    EXPECT_EQ(dest, (Rect{300, 0, 340, 26}));
    EXPECT_EQ(src, (Rect{0, 10, 40, 36}));
    EXPECT_EQ(back.pixel(300, 0), sprite->pixel(0, 10));

    // Over the bottom-right corner.
    dest = {780, 590, 820, 626};
    src = {0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(back, dest, *sprite, src, kBltWait));
    EXPECT_EQ(dest, (Rect{780, 590, 800, 600}));
    EXPECT_EQ(src, (Rect{0, 0, 20, 10}));
    EXPECT_EQ(back.pixel(799, 599), sprite->pixel(19, 9));

    // A rectangle just touching the left edge from outside (Right = 0) is let through and clipped
    // to nothing: still no error.
    dest = {-40, 300, 0, 336};
    src = {0, 0, 40, 36};
    EXPECT_TRUE(ge.Blit(back, dest, *sprite, src, kBltWait));
    EXPECT_EQ(dest, (Rect{0, 300, 0, 336}));
    EXPECT_EQ(src, (Rect{40, 0, 40, 36}));
    EXPECT_TRUE(headless.messages.shown.empty());
}

TEST_F(GraphicsEngineTest, ClipsAgainstTheScreenEvenOnALargerSurface) {
    Surface big(1000, 700);
    auto sprite = numberedSprite();
    Rect dest{790, 100, 830, 136}, src{0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(big, dest, *sprite, src, kBltWait));
    EXPECT_EQ(dest, (Rect{790, 100, 800, 136}));
    EXPECT_EQ(src, (Rect{0, 0, 10, 36}));
    EXPECT_EQ(big.pixel(799, 100), sprite->pixel(9, 0));
    EXPECT_EQ(big.pixel(800, 100), 0) << "nothing beyond the screen width, though the surface is wider";

    // Below the screen's height, though inside the surface: nothing at all.
    dest = {100, 650, 140, 686};
    src = {0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(big, dest, *sprite, src, kBltWait));
    EXPECT_EQ(big.pixel(100, 650), 0);
}

TEST_F(GraphicsEngineTest, ColourKeyOnlyWithTheKeyFlagAndRefusedCopiesAreNoError) {
    Surface& back = *ge.BackBuffer();
    Surface sprite(2, 1);
    sprite.setPixel(0, 0, Surface::kColourKey);
    sprite.setPixel(1, 0, kRed);
    back.setPixel(10, 10, kGreen);
    back.setPixel(10, 20, kGreen);

    Rect dest{10, 10, 12, 11}, src{0, 0, 2, 1};
    ASSERT_TRUE(ge.Blit(back, dest, sprite, src, kBltWaitKeySrc));
    EXPECT_EQ(back.pixel(10, 10), kGreen) << "the blue pixel is transparent";
    EXPECT_EQ(back.pixel(11, 10), kRed);

    dest = {10, 20, 12, 21};
    src = {0, 0, 2, 1};
    ASSERT_TRUE(ge.Blit(back, dest, sprite, src, kBltWait));
    EXPECT_EQ(back.pixel(10, 20), Surface::kColourKey) << "a plain copy keeps blue";

    // A frame outside its picture is refused by the surface: nothing drawn, still True.
    dest = {50, 50, 52, 51};
    src = {4, 0, 6, 1};
    EXPECT_TRUE(ge.Blit(back, dest, sprite, src, kBltWait));
    EXPECT_EQ(back.pixel(50, 50), 0);
    EXPECT_TRUE(headless.messages.shown.empty());
}

TEST_F(GraphicsEngineTest, DrawingOnThePrimarySurfaceShowsAtOnce) {
    auto sprite = numberedSprite();
    Rect dest{0, 0, 40, 36}, src{0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(*ge.BackBuffer(), dest, *sprite, src, kBltWait));
    EXPECT_EQ(headless.display.presents, 0);

    dest = {0, 0, 40, 36};
    ASSERT_TRUE(ge.Blit(*ge.PrimarySurface(), dest, *sprite, src, kBltWait));
    EXPECT_EQ(headless.display.presents, 1);

    ASSERT_TRUE(ge.ClearSurface(*ge.BackBuffer(), false));
    EXPECT_EQ(headless.display.presents, 1);
    ASSERT_TRUE(ge.ClearSurface(*ge.BackBuffer(), true));
    EXPECT_EQ(headless.display.presents, 2);
}

TEST_F(GraphicsEngineTest, ClearSurfacePaintsBlackLeavesSolidBlackSettingsAndRefusesThePrimary) {
    Surface& back = *ge.BackBuffer();
    Surface& primary = *ge.PrimarySurface();
    back.setPixel(0, 0, kWhite);
    back.setPixel(799, 599, kWhite);
    back.setFillStyle(FillStyle::Transparent);
    back.setForeColour(rgb(255, 255, 0));
    primary.setPixel(400, 300, kWhite);

    ASSERT_TRUE(ge.ClearSurface(back, false));
    EXPECT_EQ(back.pixel(0, 0), 0);
    EXPECT_EQ(back.pixel(799, 599), 0);
    EXPECT_EQ(back.fillStyle(), FillStyle::Solid);
    EXPECT_EQ(back.fillColour(), 0u);
    EXPECT_EQ(back.foreColour(), 0u);
    EXPECT_EQ(primary.pixel(400, 300), kWhite) << "not copied without being asked";

    ASSERT_TRUE(ge.ClearSurface(back, true));
    EXPECT_EQ(primary.pixel(400, 300), 0);

    primary.setPixel(1, 1, kWhite);
    EXPECT_FALSE(ge.ClearSurface(primary, false));
    ASSERT_EQ(headless.messages.shown.size(), 1u);
    EXPECT_EQ(headless.messages.shown[0], "VBGE - ClearSurface - Primary surface not allowed.");
    EXPECT_EQ(primary.pixel(1, 1), kWhite);
}

TEST_F(GraphicsEngineTest, LoadBitmapGivesTheFilesSizeAndNamesAMissingFile) {
    test::DataDir dir(true);
    dir.write("Sprite.bmp", test::bitmapBytes(7, 5, 0, 0, 255));
    SurfaceRef surface;
    ASSERT_TRUE(ge.LoadBitmap("Sprite.bmp", surface));
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->width(), 7);
    EXPECT_EQ(surface->height(), 5);
    EXPECT_EQ(surface->pixel(3, 2), Surface::kColourKey) << "pure blue becomes the key value";

    SurfaceRef kept = surface;
    EXPECT_FALSE(ge.LoadBitmap("Missing.bmp", surface));
    EXPECT_EQ(surface, kept) << "the caller's variable keeps its picture";
    ASSERT_EQ(headless.messages.shown.size(), 1u);
    EXPECT_EQ(headless.messages.shown[0], "VBGE - LoadBitmap - File not found - Missing.bmp");

    dir.write("Broken.bmp", "BM not really a bitmap");
    EXPECT_FALSE(ge.LoadBitmap("Broken.bmp", surface));
    ASSERT_EQ(headless.messages.shown.size(), 2u);
    EXPECT_EQ(headless.messages.shown[1].rfind("VBGE - LoadBitmap - ", 0), 0u);
    EXPECT_NE(headless.messages.shown[1].find(" - Broken.bmp"), std::string::npos);
}

TEST(GraphicsEngine, EveryCallBeforeInitializeSaysNotInitialized) {
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    VBGE ge(headless.display, headless.messages);
    EXPECT_FALSE(ge.PrimarySurface());
    EXPECT_FALSE(ge.BackBuffer());

    Surface a(10, 10), b(10, 10);
    b.setPixel(0, 0, kWhite);
    a.setPixel(0, 0, kRed);
    Rect dest{0, 0, 10, 10}, src{0, 0, 10, 10};
    SurfaceRef loaded;
    EXPECT_FALSE(ge.Blit(a, dest, b, src, kBltWait));
    EXPECT_FALSE(ge.ClearSurface(a, true));
    EXPECT_FALSE(ge.LoadBitmap("Title.bmp", loaded));
    EXPECT_EQ(a.pixel(0, 0), kRed);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(
        headless.messages.shown,
        (std::vector<std::string>{"VBGE - Blit - Not initialized.", "VBGE - ClearSurface - Not initialized.",
                                  "VBGE - LoadBitmap - Not initialized. - Title.bmp"}));
    EXPECT_FALSE(ge.initialized());
}

TEST(GraphicsEngine, AFailedDisplayShowsItsMessageAndStaysUninitialized) {
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    headless.display.failOpen = true;
    VBGE ge(headless.display, headless.messages);
    EXPECT_FALSE(ge.Initialize(800, 600, 16));
    EXPECT_FALSE(ge.initialized());
    ASSERT_EQ(headless.messages.shown.size(), 1u);
    EXPECT_EQ(headless.messages.shown[0], "VBGE - Initialize - The display mode is not supported.");
}

TEST(InputEngine, SnapshotOnlyAfterInitializeAndFailuresReported) {
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    VBIE ie(headless.keyboard, headless.messages);
    uint8_t state[256];
    std::memset(state, 0x55, sizeof state);
    headless.keyboard.press(0xCD);

    EXPECT_FALSE(ie.GetKeyboardState(state));
    EXPECT_EQ(state[0xCD], 0x55) << "the buffer is left untouched";
    ASSERT_EQ(headless.messages.shown.size(), 1u);
    EXPECT_EQ(headless.messages.shown[0], "VBIE - GetKeyboardState - Not initialized.");

    ASSERT_TRUE(ie.Initialize());
    headless.keyboard.press(0x2A);
    ASSERT_TRUE(ie.GetKeyboardState(state));
    for (int k = 0; k < 256; ++k) EXPECT_EQ((state[k] & 0x80) != 0, k == 0xCD || k == 0x2A) << k;

    headless.keyboard.failRead = true;
    EXPECT_FALSE(ie.GetKeyboardState(state));
    EXPECT_EQ(headless.messages.shown.back(), "VBIE - GetKeyboardState - The keyboard could not be read.");

    HeadlessPlatform broken;
    broken.messages.echoToStderr = false;
    broken.keyboard.failOpen = true;
    VBIE failing(broken.keyboard, broken.messages);
    EXPECT_FALSE(failing.Initialize());
    EXPECT_FALSE(failing.initialized());
    EXPECT_EQ(broken.messages.shown,
              (std::vector<std::string>{"VBIE - Initialize - The keyboard could not be opened."}));
}

TEST(SoundEngine, LoadsAtTheRequestedQualityAndRestartsOnPlay) {
    test::DataDir dir(true);
    dir.write("Crystal.wav", test::waveBytes());
    dir.write("Jump.wav", test::waveBytes());
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    VBSE se(headless.sound, headless.messages);
    SoundRef crystal, jump;

    EXPECT_FALSE(se.LoadSound("Crystal.wav", crystal, false));
    EXPECT_FALSE(se.PlaySound(crystal));
    EXPECT_EQ(headless.messages.shown, (std::vector<std::string>{"VBSE - LoadSound - Not initialized.",
                                                                 "VBSE - PlaySound - Not initialized."}));
    EXPECT_TRUE(headless.sound.loads.empty());

    ASSERT_TRUE(se.Initialize());
    ASSERT_TRUE(se.LoadSound("Crystal.wav", crystal, false));
    ASSERT_TRUE(se.LoadSound("Jump.wav", jump, true));
    ASSERT_EQ(headless.sound.loads.size(), 2u);
    EXPECT_FALSE(headless.sound.loads[0].second);
    EXPECT_TRUE(headless.sound.loads[1].second);

    EXPECT_TRUE(se.PlaySound(crystal));
    EXPECT_TRUE(se.PlaySound(crystal));
    EXPECT_TRUE(se.PlaySound(jump));
    EXPECT_EQ(headless.sound.played, (std::vector<std::string>{"Crystal", "Crystal", "Jump"}));

    // A missing file keeps the caller's buffer; an empty buffer cannot be played.
    SoundRef kept = crystal;
    EXPECT_FALSE(se.LoadSound("Teleport.wav", crystal, false));
    EXPECT_EQ(crystal, kept);
    EXPECT_EQ(headless.messages.shown.back(), "VBSE - LoadSound - File not found");
    SoundRef empty;
    EXPECT_FALSE(se.PlaySound(empty));
    EXPECT_EQ(headless.messages.shown.back(),
              "VBSE - PlaySound - Object variable or With block variable not set");
    EXPECT_EQ(headless.sound.played.size(), 3u);
}

}  // namespace
}  // namespace vorn

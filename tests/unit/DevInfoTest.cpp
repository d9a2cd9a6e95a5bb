// The developer-mode frame-rate overlay: three-second windows, the figure's text, the box.
#include <gtest/gtest.h>

#include <string>

#include "PaintedGame.h"
#include "devinfo/DevInfo.h"

namespace vorn::test {
namespace {

std::string single(float value) {
    char text[32];
    return std::string(text, formatSingle(value, text, sizeof text));
}

TEST(DevInfoText, SinglesAreWrittenWithSevenDigitsAndNoTrailingZeros) {
    EXPECT_EQ(single(0.0f), "0");
    EXPECT_EQ(single(31.0f), "31");
    EXPECT_EQ(single(100.0f / 3.0f), "33.33333");
    EXPECT_EQ(single(29.5f), "29.5");
    EXPECT_EQ(single(0.5f), "0.5");
    EXPECT_EQ(single(1234567.0f), "1234567");
    EXPECT_EQ(single(2.0f / 3.0f), "0.6666667");
}

TEST_F(PaintedGame, FrameRateIsMeasuredOverThreeSecondWindows) {
    DevInfo info(host.clock, host.messages);
    const uint32_t start = host.clock.now;
    ASSERT_TRUE(info.Initialize(*game.GraphicsEngine));

    // 90 frames spread evenly over the first three seconds, the last at exactly 3000 ms.
    for (int k = 1; k <= 89; ++k) {
        host.clock.now = start + static_cast<uint32_t>(3000 * k / 90);
        ASSERT_TRUE(info.Calculate());
        ASSERT_EQ(info.fps(), 0.0f) << k;
    }
    host.clock.now = start + 3000;
    ASSERT_TRUE(info.Calculate());
    EXPECT_EQ(info.fps(), 30.0f);

    // The next window starts empty and closes with the first frame 3 seconds on: 43 frames
    // 70 ms apart.
    for (int k = 1; k <= 43; ++k) {
        host.clock.now = start + 3000 + static_cast<uint32_t>(70 * k);
        ASSERT_TRUE(info.Calculate());
        if (k < 43) {
            ASSERT_EQ(info.fps(), 30.0f) << k;
        }
    }
    EXPECT_FLOAT_EQ(info.fps(), 43.0f / 3.01f);
    EXPECT_EQ(single(info.fps()), "14.28571");

    // A black box with a white frame, and the figure in it.
    const Surface& back = *host.display.backBuffer();
    const uint16_t white = toRgb565(rgb(255, 255, 255));
    EXPECT_EQ(back.pixel(5, 580), white);
    EXPECT_EQ(back.pixel(149, 596), white);
    EXPECT_EQ(back.pixel(6, 581), 0);
    EXPECT_EQ(back.pixel(148, 595), 0);
    const auto expected = filled(800, 600, 0);
    const Font arial("Arial", 8);
    expected->setFont(arial);
    expected->setForeColour(rgb(255, 255, 255));
    expected->drawText(10, 582, "FPS: 14.28571");
    ASSERT_FALSE(sameRegion(*expected, *filled(800, 600, 0), 6, 581, 149, 596)) << "the font draws nothing";
    EXPECT_TRUE(sameRegion(back, *expected, 6, 581, 149, 596));
    EXPECT_TRUE(host.messages.shown.empty());

    DevInfo fresh(host.clock, host.messages);
    EXPECT_FALSE(fresh.Calculate());
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0], "DevInfo - Calculate - Not initialized.");
}

TEST_F(PaintedGame, DeveloperModeDrawsTheOverlayOnThePlayScreen) {
    game.DevMode = true;
    game.FrameRateInfo = std::make_unique<DevInfo>(host.clock, host.messages);
    ASSERT_TRUE(game.FrameRateInfo->Initialize(*game.GraphicsEngine));
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_EQ(screen().pixel(5, 580), toRgb565(rgb(255, 255, 255)));
    EXPECT_EQ(screen().pixel(100, 590), 0);

    // Outside developer mode the background stays.
    game.DevMode = false;
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_EQ(screen().pixel(5, 580), backgroundScreen()->pixel(5, 580));
}

}  // namespace
}  // namespace vorn::test

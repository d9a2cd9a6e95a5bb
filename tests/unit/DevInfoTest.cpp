// The developer-mode frame-rate overlay: three-second windows and the figure's text. (Its box
// on the screen is looked at by the end-to-end test of developer mode.)
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
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0"},     {31.0f, "31"},           {100.0f / 3.0f, "33.33333"},
        {29.5f, "29.5"}, {1234567.0f, "1234567"}, {2.0f / 3.0f, "0.6666667"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(single(value), text);
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

    EXPECT_TRUE(host.messages.shown.empty());
}

}  // namespace
}  // namespace vorn::test

// The graphics engine over the headless platform: clipping against the screen, clearing, and
// showing the primary surface. (A picture file that is not there is the start-up's test.)
#include <gtest/gtest.h>

#include "engines/VBGE.h"
#include "platform/headless/Headless.h"

namespace vorn {
namespace {

using Messages = std::vector<std::string>;
constexpr uint16_t kRed = 0xF800, kWhite = 0xFFFF;

class GraphicsEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        ASSERT_TRUE(ge.Initialize(800, 600, 16));
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 40; ++x) sprite.setPixel(x, y, static_cast<uint16_t>(y * 64 + x + 1));
    }
    HeadlessPlatform headless;
    VBGE ge{headless.display, headless.messages};
    Surface sprite{40, 36};  // every pixel tells where it came from
};

TEST_F(GraphicsEngineTest, CopiesAreClippedToTheScreenWithBothRectanglesChangedInPlace) {
    const Rect whole{0, 0, 40, 36};
    struct Case {
        Rect dest, clippedDest, clippedSource;
        bool largerSurface = false;
    };
    const Case cases[] = {
        {{-15, 200, 25, 236}, {0, 200, 25, 236}, {15, 0, 40, 36}},
        {{780, 590, 820, 626}, {780, 590, 800, 600}, {0, 0, 20, 10}},
        // Touching the left edge from outside is let through and clipped to nothing.
        {{-40, 300, 0, 336}, {0, 300, 0, 336}, {40, 0, 40, 36}},
        // Wholly off one side: nothing drawn, rectangles untouched.
        {{100, -50, 140, -14}, {100, -50, 140, -14}, whole},
        {{800, 100, 840, 136}, {800, 100, 840, 136}, whole},
        // The screen bounds the copy even on a larger surface.
        {{790, 100, 830, 136}, {790, 100, 800, 136}, {0, 0, 10, 36}, true},
        {{100, 650, 140, 686}, {100, 650, 140, 686}, whole, true},
    };
    for (const Case& c : cases) {
        Surface target(c.largerSurface ? 1000 : 800, c.largerSurface ? 700 : 600);
        Rect dest = c.dest, source = whole;
        ASSERT_TRUE(ge.Blit(target, dest, sprite, source, kBltWait));
        EXPECT_EQ(dest, c.clippedDest) << c.dest.Left << "," << c.dest.Top;
        EXPECT_EQ(source, c.clippedSource) << c.dest.Left << "," << c.dest.Top;
        // Every case that draws is clipped, so a whole source means nothing may show.
        const bool drawn = !(c.clippedSource == whole);
        int wrong = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const bool inside =
                    drawn && x >= dest.Left && x < dest.Right && y >= dest.Top && y < dest.Bottom;
                const uint16_t want =
                    inside ? sprite.pixel(source.Left + x - dest.Left, source.Top + y - dest.Top) : 0;
                wrong += target.pixel(x, y) != want;
            }
        EXPECT_EQ(wrong, 0) << c.dest.Left << "," << c.dest.Top;
    }
    EXPECT_EQ(headless.messages.shown, Messages{});
}

// The colour key, clearing and margins are seen on the drawing tests' pixels; here what
// only the engine decides.
TEST_F(GraphicsEngineTest, ClearingLeavesSolidFillRefusedCopiesAreNoErrorAndThePrimaryShowsAtOnce) {
    Surface& back = *ge.BackBuffer();
    Surface& primary = *ge.PrimarySurface();
    back.setFillStyle(FillStyle::Transparent);  // as the title screen leaves it
    back.setPixel(5, 5, kWhite);
    ASSERT_TRUE(ge.ClearSurface(back, false));
    EXPECT_EQ(back.pixel(5, 5), 0);
    EXPECT_EQ(back.fillStyle(), FillStyle::Solid);

    Surface pair(2, 1);
    pair.setPixel(1, 0, kRed);
    Rect dest{50, 50, 52, 51}, src{4, 0, 6, 1};  // a frame outside its picture
    EXPECT_TRUE(ge.Blit(back, dest, pair, src, kBltWait));
    EXPECT_EQ(headless.display.presents, 0);
    dest = {0, 0, 2, 1}, src = {0, 0, 2, 1};
    ASSERT_TRUE(ge.Blit(primary, dest, pair, src, kBltWait));
    EXPECT_EQ(headless.display.presents, 1);
    EXPECT_FALSE(ge.ClearSurface(primary, false));
    EXPECT_EQ(primary.pixel(1, 0), kRed);
    EXPECT_EQ(headless.messages.shown, Messages{"VBGE - ClearSurface - Primary surface not allowed."});
}

}  // namespace
}  // namespace vorn

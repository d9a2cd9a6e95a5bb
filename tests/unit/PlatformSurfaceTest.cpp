// The software surface: rectangle copies (plain, keyed, stretched, refused, clipped) and
// boxes, checked pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Surface.h"

namespace vorn {
namespace {

constexpr uint16_t kBackground = 0x1234;

void fill(Surface& s, uint16_t value) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, value);
}

// Every pixel a value of its own: 100 + y * width + x.
void number(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, static_cast<uint16_t>(100 + y * s.width() + x));
}

uint16_t numbered(const Surface& s, int x, int y) { return static_cast<uint16_t>(100 + y * s.width() + x); }

TEST(PlatformSurface, PlainCopyTakesTheKeyColourAndKeyedCopyLeavesItsPixelsAlone) {
    Surface sprite(4, 2), plain(6, 4), keyed(6, 4);
    number(sprite);
    sprite.setPixel(1, 0, Surface::kColourKey);
    sprite.setPixel(3, 1, Surface::kColourKey);
    fill(plain, kBackground);
    fill(keyed, kBackground);

    EXPECT_TRUE(plain.blt(Rect{1, 1, 5, 3}, sprite, Rect{0, 0, 4, 2}, false));
    EXPECT_TRUE(keyed.blt(Rect{1, 1, 5, 3}, sprite, Rect{0, 0, 4, 2}, true));

    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 5 && y >= 1 && y < 3;
            const uint16_t source = inside ? sprite.pixel(x - 1, y - 1) : kBackground;
            EXPECT_EQ(plain.pixel(x, y), source) << x << "," << y;
            const uint16_t expectKeyed = inside && source != Surface::kColourKey ? source : kBackground;
            EXPECT_EQ(keyed.pixel(x, y), expectKeyed) << x << "," << y;
        }
    EXPECT_EQ(plain.pixel(2, 1), Surface::kColourKey);
    EXPECT_EQ(keyed.pixel(2, 1), kBackground);
}

TEST(PlatformSurface, StretchedCopiesSampleTheSourceEvenly) {
    Surface source(4, 4), half(2, 2), twice(8, 8);
    number(source);
    EXPECT_TRUE(half.blt(Rect{0, 0, 2, 2}, source, Rect{0, 0, 4, 4}, false));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(half.pixel(x, y), numbered(source, 2 * x, 2 * y)) << x << "," << y;

    EXPECT_TRUE(twice.blt(Rect{0, 0, 8, 8}, source, Rect{0, 0, 4, 4}, false));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(twice.pixel(x, y), numbered(source, x / 2, y / 2)) << x << "," << y;

    // A keyed stretch skips the key wherever it lands.
    Surface keyedSource(2, 1), keyedDest(4, 1);
    keyedSource.setPixel(0, 0, Surface::kColourKey);
    keyedSource.setPixel(1, 0, 7);
    fill(keyedDest, kBackground);
    EXPECT_TRUE(keyedDest.blt(Rect{0, 0, 4, 1}, keyedSource, Rect{0, 0, 2, 1}, true));
    EXPECT_EQ(keyedDest.pixel(0, 0), kBackground);
    EXPECT_EQ(keyedDest.pixel(1, 0), kBackground);
    EXPECT_EQ(keyedDest.pixel(2, 0), 7);
    EXPECT_EQ(keyedDest.pixel(3, 0), 7);
}

TEST(PlatformSurface, ASourceRectangleOutsideThePictureIsRefusedAndDrawsNothing) {
    Surface source(10, 10), dest(20, 20);
    number(source);
    const std::vector<Rect> outside = {
        {-1, 0, 5, 5},    {0, -1, 5, 5}, {6, 0, 11, 5}, {0, 6, 5, 11},
        {20, 20, 25, 25}, {3, 3, 3, 8},  {5, 5, 2, 8},
    };
    for (const Rect& r : outside) {
        fill(dest, kBackground);
        EXPECT_FALSE(dest.blt(Rect{0, 0, 5, 5}, source, r, false)) << r.Left << "," << r.Top;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) ASSERT_EQ(dest.pixel(x, y), kBackground);
    }
    // The whole picture exactly is fine.
    EXPECT_TRUE(dest.blt(Rect{0, 0, 10, 10}, source, Rect{0, 0, 10, 10}, false));
    EXPECT_EQ(dest.pixel(9, 9), numbered(source, 9, 9));
}

TEST(PlatformSurface, CopiesAreClippedToTheDestinationWithTheSourceFollowing) {
    Surface source(6, 6), dest(10, 8);
    number(source);

    // Hanging over the top-left corner: only the lower right part of the source shows.
    fill(dest, kBackground);
    EXPECT_TRUE(dest.blt(Rect{-2, -3, 4, 3}, source, Rect{0, 0, 6, 6}, true));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x < 4 && y < 3;
            EXPECT_EQ(dest.pixel(x, y), inside ? numbered(source, x + 2, y + 3) : kBackground)
                << x << "," << y;
        }

    // Hanging over the bottom-right corner, and stretched.
    fill(dest, kBackground);
    EXPECT_TRUE(dest.blt(Rect{8, 6, 14, 12}, source, Rect{0, 0, 3, 3}, false));
    EXPECT_EQ(dest.pixel(8, 6), numbered(source, 0, 0));
    EXPECT_EQ(dest.pixel(9, 7), numbered(source, 0, 0));
    EXPECT_EQ(dest.pixel(7, 6), kBackground);
    EXPECT_EQ(dest.pixel(8, 5), kBackground);

    // Entirely outside: nothing drawn, and not a refusal.
    fill(dest, kBackground);
    EXPECT_TRUE(dest.blt(Rect{10, 0, 16, 6}, source, Rect{0, 0, 6, 6}, false));
    EXPECT_TRUE(dest.blt(Rect{-6, -6, 0, 0}, source, Rect{0, 0, 6, 6}, false));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(dest.pixel(x, y), kBackground);
}

TEST(PlatformSurface, CopyAllStretchesTheWholeSourceOverTheWholeSurface) {
    Surface source(2, 2), dest(4, 4);
    number(source);
    dest.copyAll(source);
    EXPECT_EQ(dest.pixel(0, 0), numbered(source, 0, 0));
    EXPECT_EQ(dest.pixel(3, 0), numbered(source, 1, 0));
    EXPECT_EQ(dest.pixel(3, 3), numbered(source, 1, 1));
}

TEST(PlatformSurface, BoxesOutlineInTheForeColourAndFillOnlyWhenSolid) {
    const uint16_t white = toRgb565(rgb(255, 255, 255)), yellow = toRgb565(rgb(255, 255, 0));
    EXPECT_EQ(white, 0xFFFF);
    EXPECT_EQ(yellow, 0xFFE0);
    EXPECT_EQ(toRgb565(rgb(0, 0, 255)), Surface::kColourKey);

    Surface s(12, 10);
    fill(s, kBackground);
    s.setForeColour(rgb(255, 255, 255));
    s.setFillColour(rgb(255, 255, 0));
    s.setFillStyle(FillStyle::Transparent);
    s.drawBox(2, 1, 8, 6);
    // The right and bottom coordinates lie just outside the box.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inBox = x >= 2 && x < 8 && y >= 1 && y < 6;
            const bool edge = inBox && (x == 2 || x == 7 || y == 1 || y == 5);
            EXPECT_EQ(s.pixel(x, y), edge ? white : kBackground) << x << "," << y;
        }

    fill(s, kBackground);
    s.setFillStyle(FillStyle::Solid);
    s.drawBox(8, 6, 2, 1);  // corners given the other way round
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inBox = x >= 2 && x < 8 && y >= 1 && y < 6;
            const bool edge = inBox && (x == 2 || x == 7 || y == 1 || y == 5);
            EXPECT_EQ(s.pixel(x, y), edge ? white : inBox ? yellow : kBackground) << x << "," << y;
        }
}

TEST(PlatformSurface, ABoxPartlyOffTheSurfaceKeepsItsOwnEdges) {
    Surface s(6, 6);
    fill(s, kBackground);
    s.setForeColour(rgb(255, 255, 255));
    s.setFillStyle(FillStyle::Transparent);
    s.drawBox(-3, -3, 3, 3);
    // Only the right and bottom edges of the box lie on the surface.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool edge = (x == 2 && y <= 2) || (y == 2 && x <= 2);
            EXPECT_EQ(s.pixel(x, y), edge ? 0xFFFF : kBackground) << x << "," << y;
        }

    // The game clears a screen with a box the size of the screen.
    s.setFillStyle(FillStyle::Solid);
    s.setForeColour(0);
    s.setFillColour(0);
    s.drawBox(0, 0, 6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(s.pixel(x, y), 0);
}

// Every box on a small surface, in every place, size and clipping, both styles, with colours
// whose bytes agree and colours whose bytes differ: the outline in the fore colour, the inside
// in the fill colour only when solid, nothing outside the box.
TEST(PlatformSurface, BoxesOfEveryPlaceAndSizeTouchExactlyTheirOutlineAndInside) {
    struct Colours {
        uint32_t fore, fill;
    };
    const Colours colourSets[] = {{rgb(255, 255, 255), rgb(255, 255, 0)},
                                  {rgb(0, 0, 0), rgb(0, 0, 0)},
                                  {rgb(255, 0, 0), rgb(255, 255, 255)}};
    Surface s(7, 5);
    for (const FillStyle style : {FillStyle::Transparent, FillStyle::Solid})
        for (const Colours& c : colourSets)
            for (int x1 = -2; x1 <= 9; ++x1)
                for (int x2 = x1; x2 <= 9; ++x2)
                    for (int y1 = -2; y1 <= 7; ++y1)
                        for (int y2 = y1; y2 <= 7; ++y2) {
                            fill(s, kBackground);
                            s.setFillStyle(style);
                            s.setForeColour(c.fore);
                            s.setFillColour(c.fill);
                            s.drawBox(x1, y1, x2, y2);
                            for (int y = 0; y < s.height(); ++y)
                                for (int x = 0; x < s.width(); ++x) {
                                    const bool inBox = x >= x1 && x < x2 && y >= y1 && y < y2;
                                    const bool edge =
                                        inBox && (x == x1 || x == x2 - 1 || y == y1 || y == y2 - 1);
                                    const uint16_t expected = edge ? toRgb565(c.fore)
                                                              : inBox && style == FillStyle::Solid
                                                                  ? toRgb565(c.fill)
                                                                  : kBackground;
                                    ASSERT_EQ(s.pixel(x, y), expected)
                                        << "box " << x1 << "," << y1 << "-" << x2 << "," << y2 << " at " << x
                                        << "," << y << (style == FillStyle::Solid ? " solid" : " hollow");
                                }
                        }
}

}  // namespace
}  // namespace vorn

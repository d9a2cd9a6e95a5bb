// The software surface: rectangle copies (plain, keyed, stretched, refused, clipped) and
// boxes, checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
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
uint16_t numbered(const Surface& s, int x, int y) { return static_cast<uint16_t>(100 + y * s.width() + x); }
void number(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, numbered(s, x, y));
}

TEST(PlatformSurface, PlainCopyTakesTheKeyColourKeyedCopyLeavesItAndStretchesSampleEvenly) {
    Surface sprite(4, 2), plain(6, 4), keyed(6, 4);
    number(sprite);
    sprite.setPixel(1, 0, Surface::kColourKey);
    fill(plain, kBackground);
    fill(keyed, kBackground);
    EXPECT_TRUE(plain.blt(Rect{1, 1, 5, 3}, sprite, Rect{0, 0, 4, 2}, false));
    EXPECT_TRUE(keyed.blt(Rect{1, 1, 5, 3}, sprite, Rect{0, 0, 4, 2}, true));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 5 && y >= 1 && y < 3;
            const uint16_t source = inside ? sprite.pixel(x - 1, y - 1) : kBackground;
            EXPECT_EQ(plain.pixel(x, y), source) << x << "," << y;
            EXPECT_EQ(keyed.pixel(x, y), source == Surface::kColourKey ? kBackground : source)
                << x << "," << y;
        }

    Surface source(4, 4), half(2, 2), twice(8, 8);
    number(source);
    EXPECT_TRUE(half.blt(Rect{0, 0, 2, 2}, source, Rect{0, 0, 4, 4}, false));
    twice.copyAll(source);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(twice.pixel(x, y), numbered(source, x / 2, y / 2)) << x << "," << y;
            EXPECT_TRUE(x >= 2 || y >= 2 || half.pixel(x, y) == numbered(source, 2 * x, 2 * y))
                << x << "," << y;
        }
    // A keyed stretch skips the key wherever it lands.
    Surface keyedDest(4, 1);
    fill(keyedDest, kBackground);
    EXPECT_TRUE(keyedDest.blt(Rect{0, 0, 4, 1}, sprite, Rect{1, 0, 3, 1}, true));
    EXPECT_EQ((std::vector<uint16_t>{keyedDest.pixel(0, 0), keyedDest.pixel(1, 0), keyedDest.pixel(3, 0)}),
              (std::vector<uint16_t>{kBackground, kBackground, sprite.pixel(2, 0)}));
}

TEST(PlatformSurface, ASourceOutsideThePictureIsRefusedAndADestinationOffTheSurfaceIsClipped) {
    Surface source(10, 10), dest(20, 20);
    number(source);
    fill(dest, kBackground);
    // Past an edge, wholly outside, empty, or upside down.
    for (const Rect& r : std::vector<Rect>{{-1, 0, 5, 5}, {0, 6, 5, 11}, {20, 20, 25, 25}, {5, 5, 2, 8}})
        EXPECT_FALSE(dest.blt(Rect{0, 0, 5, 5}, source, r, false)) << r.Left << "," << r.Top;
    // Wholly outside: nothing drawn, and not a refusal.
    EXPECT_TRUE(dest.blt(Rect{20, 0, 30, 10}, source, Rect{0, 0, 10, 10}, false));
    EXPECT_TRUE(dest.blt(Rect{-10, -10, 0, 0}, source, Rect{0, 0, 10, 10}, false));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(dest.pixel(x, y), kBackground);

    // Over the top-left corner only the source's lower right part shows; over the bottom-right
    // corner, stretched, its upper left.
    EXPECT_TRUE(dest.blt(Rect{-2, -3, 8, 7}, source, Rect{0, 0, 10, 10}, true));
    EXPECT_TRUE(dest.blt(Rect{16, 16, 24, 24}, source, Rect{0, 0, 4, 4}, false));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const uint16_t want = x < 8 && y < 7       ? numbered(source, x + 2, y + 3)
                                  : x >= 16 && y >= 16 ? numbered(source, (x - 16) / 2, (y - 16) / 2)
                                                       : kBackground;
            ASSERT_EQ(dest.pixel(x, y), want) << x << "," << y;
        }
}

// Every box on a small surface, in every place, size, order of corners and clipping, both
// styles, with colours whose bytes agree and colours whose bytes differ: the outline in the fore
// colour, the inside in the fill colour only when solid, nothing outside the box. The right and
// bottom coordinates lie just outside, as with every rectangle of the game.
TEST(PlatformSurface, BoxesOfEveryPlaceAndSizeTouchExactlyTheirOutlineAndInside) {
    EXPECT_EQ(toRgb565(rgb(255, 255, 0)), 0xFFE0);
    EXPECT_EQ(toRgb565(rgb(0, 0, 255)), Surface::kColourKey);
    const std::pair<uint32_t, uint32_t> colourSets[] = {{rgb(255, 255, 255), rgb(255, 255, 0)},
                                                        {rgb(0, 0, 0), rgb(0, 0, 0)},
                                                        {rgb(255, 0, 0), rgb(255, 255, 255)}};
    Surface s(7, 5);
    for (const FillStyle style : {FillStyle::Transparent, FillStyle::Solid})
        for (const auto& [fore, fillColour] : colourSets)
            for (int x1 = -2; x1 <= 9; ++x1)
                for (int x2 = -2; x2 <= 9; ++x2)
                    for (int y1 = -2; y1 <= 7; ++y1)
                        for (int y2 = y1; y2 <= 7; ++y2) {
                            fill(s, kBackground);
                            s.setFillStyle(style);
                            s.setForeColour(fore);
                            s.setFillColour(fillColour);
                            s.drawBox(x1, y1, x2, y2);
                            const int left = std::min(x1, x2), right = std::max(x1, x2);
                            for (int y = 0; y < s.height(); ++y)
                                for (int x = 0; x < s.width(); ++x) {
                                    const bool inBox = x >= left && x < right && y >= y1 && y < y2;
                                    const bool edge =
                                        inBox && (x == left || x == right - 1 || y == y1 || y == y2 - 1);
                                    const uint16_t expected = edge ? toRgb565(fore)
                                                              : inBox && style == FillStyle::Solid
                                                                  ? toRgb565(fillColour)
                                                                  : kBackground;
                                    ASSERT_EQ(s.pixel(x, y), expected)
                                        << "box " << x1 << "," << y1 << "-" << x2 << "," << y2 << " at " << x
                                        << "," << y << (style == FillStyle::Solid ? " solid" : " hollow");
                                }
                        }
}

}  // namespace
}  // namespace vorn

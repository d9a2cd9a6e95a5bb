// The sprite sheets: platforms that the hero stands on exactly, a hero that fits his hit box
// and stands on the bottom row, items told apart by shape, bombs that roll a full turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "PicturesRaw.h"

namespace vorn::test {
namespace {

bool sameFrame(const RawPicture& a, const RawPicture& b) { return a.pixels == b.pixels; }

// Share of painted pixels that two frames have in common, of all painted in either.
double overlap(const RawPicture& a, const RawPicture& b) {
    int both = 0, either = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        const bool pa = !a.pixels[i].transparent(), pb = !b.pixels[i].transparent();
        both += pa && pb;
        either += pa || pb;
    }
    return either ? static_cast<double>(both) / either : 1.0;
}

Rgb meanColour(const RawPicture& p) {
    long r = 0, g = 0, b = 0, n = 0;
    for (const Rgb& c : p.pixels)
        if (!c.transparent()) r += c.r, g += c.g, b += c.b, ++n;
    return n ? Rgb{static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)} : Rgb{};
}

std::vector<RawPicture> framesOf(const RawPicture& sheet, int w, int h) {
    std::vector<RawPicture> frames;
    for (int x = 0; x + w <= sheet.width; x += w) frames.push_back(sheet.crop(x, 0, w, h));
    return frames;
}

// How far `to` is from `from` turned clockwise by `degrees` about its centre.
double turnedDifference(const RawPicture& from, const RawPicture& to, double degrees) {
    const double c = from.width / 2.0, a = -degrees * 3.14159265358979 / 180;
    const Rgb grey{128, 128, 128};
    double sum = 0;
    for (int y = 0; y < to.height; ++y)
        for (int x = 0; x < to.width; ++x) {
            const double dx = x + 0.5 - c, dy = y + 0.5 - c;
            const int sx = static_cast<int>(std::floor(c + dx * std::cos(a) - dy * std::sin(a)));
            const int sy = static_cast<int>(std::floor(c + dx * std::sin(a) + dy * std::cos(a)));
            const bool inside = sx >= 0 && sy >= 0 && sx < from.width && sy < from.height;
            const Rgb p = inside && from.painted(sx, sy) ? from.at(sx, sy) : grey;
            const Rgb q = to.painted(x, y) ? to.at(x, y) : grey;
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
    return sum / (to.width * to.height);
}

// Each frame is the one before it turned a sixteenth of a turn clockwise, the last one
// leading back into the first: read the other way, the strip turns anticlockwise.
void expectClockwiseTurn(const std::vector<RawPicture>& frames) {
    for (size_t f = 0; f < frames.size(); ++f) {
        const RawPicture& next = frames[(f + 1) % frames.size()];
        EXPECT_LT(turnedDifference(frames[f], next, 22.5), turnedDifference(frames[f], next, -22.5))
            << "frame " << f << " to the next does not turn clockwise";
    }
}

TEST(PicturePlatforms, EveryStyleCoversItsSolidPartAndItsEndsStandAtItsEdges) {
    const RawPicture sheet = RawPicture::read("Platform.bmp");
    ASSERT_EQ(sheet.height, 100);
    std::vector<Rgb> looks;
    for (int style = 0; style < 5; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        // The thin style stands on rows 13..16 of its cell, all others on rows 2..17.
        const int top = style == 1 ? 13 : 2, bottom = style == 1 ? 16 : 17;
        const RawPicture left = sheet.crop(0, 20 * style, 50, 20);
        const RawPicture middle = sheet.crop(50, 20 * style, 50, 20);
        const RawPicture right = sheet.crop(100, 20 * style, 50, 20);
        for (const RawPicture* piece : {&left, &middle, &right}) {
            for (int y = top; y <= bottom; ++y)
                for (int x = 13; x <= 37; ++x) EXPECT_TRUE(piece->painted(x, y)) << x << "," << y;
            // Nothing a standing hero's feet would sink into.
            for (int y = 0; y < top - 3; ++y)
                for (int x = 0; x < 50; ++x) EXPECT_FALSE(piece->painted(x, y)) << x << "," << y;
        }
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 7; ++x) EXPECT_FALSE(left.painted(x, y)) << "left end reaches out to " << x;
            for (int x = 43; x < 50; ++x)
                EXPECT_FALSE(right.painted(x, y)) << "right end reaches out to " << x;
        }
        for (int x = 0; x < 50; ++x)
            EXPECT_TRUE(middle.painted(x, (top + bottom) / 2)) << "gap in the middle at " << x;
        // Every join (end to middle, middle to middle, middle to end, end to end) steps no more
        // than the pieces do between their own neighbouring columns.
        double largest = 0;
        for (const RawPicture* piece : {&left, &middle, &right})
            for (int x = 13; x < 37; ++x) {
                double step = 0;
                for (int y = top; y <= bottom; ++y) {
                    const Rgb a = piece->at(x, y), b = piece->at(x + 1, y);
                    step += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
                }
                largest = std::max(largest, step);
            }
        for (auto [a, b] :
             {std::pair{&left, &middle}, {&middle, &middle}, {&middle, &right}, {&left, &right}}) {
            double step = 0;
            for (int y = top; y <= bottom; ++y) {
                const Rgb p = a->at(49, y), q = b->at(0, y);
                EXPECT_TRUE(a->painted(49, y) && b->painted(0, y)) << "a hole in a join at row " << y;
                step += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            }
            EXPECT_LE(step, largest + 1) << "a visible seam";
        }
        looks.push_back(meanColour(middle));
    }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) {
            const int d = std::abs(looks[a].r - looks[b].r) + std::abs(looks[a].g - looks[b].g) +
                          std::abs(looks[a].b - looks[b].b);
            EXPECT_GT(d, 40) << "styles " << a << " and " << b << " look alike";
        }
}

TEST(PictureCharacter, PosesFitTheHitWidthStandOnTheBottomRowAndFaceRightAsAMirror) {
    const RawPicture sheet = RawPicture::read("Character.bmp");
    ASSERT_EQ(sheet.width, 680);
    ASSERT_EQ(sheet.height, 72);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 680; ++x) ASSERT_EQ(sheet.at(x, y), sheet.at(679 - x, 36 + y)) << x << "," << y;

    std::vector<RawPicture> poses;
    for (int f = 0; f < 17; ++f) {
        SCOPED_TRACE("pose " + std::to_string(f));
        poses.push_back(sheet.crop(40 * f, 0, 40, 36));
        const RawPicture& pose = poses.back();
        EXPECT_GT(pose.paintedCount(), 350);
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 40; ++x)
                if (x < 5 || x >= 35) {
                    EXPECT_FALSE(pose.painted(x, y)) << "outside the hit width at " << x << "," << y;
                }
        bool feet = false;
        for (int x = 0; x < 40; ++x) feet = feet || pose.painted(x, 35);
        // Pose 8 is drawn only in the air.
        if (f != 8) {
            EXPECT_TRUE(feet) << "not standing on the bottom row";
        }
    }
    // Eight different steps of the walk; the blink is the standing pose with only the eyes changed.
    std::set<std::vector<int>> walk;
    for (int f = 0; f < 8; ++f) {
        std::vector<int> key;
        for (const Rgb& c : poses[f].pixels) key.push_back(c.rgb565());
        walk.insert(key);
    }
    EXPECT_EQ(walk.size(), 8u);
    EXPECT_FALSE(sameFrame(poses[2], poses[10]));
    EXPECT_GT(overlap(poses[2], poses[10]), 0.95);
    for (int f = 11; f <= 16; ++f) EXPECT_FALSE(sameFrame(poses[2], poses[f])) << "idle pose " << f;

    // Pose 0 doubles as the health icon at half size: it keeps a body and eyes there.
    int painted = 0, whites = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 20; ++x) {
            const Rgb c = poses[0].at(2 * x, 2 * y);
            painted += !c.transparent();
            whites += c.r > 190 && c.g > 190 && c.b > 190;
        }
    EXPECT_GT(painted, 120);
    EXPECT_GE(whites, 2) << "the eyes are lost at half size";
}

TEST(PictureItems, SheetsAnimateAndNoTwoItemsShareAShape) {
    const char* names[] = {"Crystal.bmp",     "HighJump.bmp", "ExtraSpeed.bmp", "Invulnerable.bmp",
                           "ExtraHealth.bmp", "Shoot.bmp",    "Dovi.bmp"};
    std::vector<RawPicture> firsts;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const auto frames = framesOf(RawPicture::read(name), 40, 35);
        ASSERT_EQ(frames.size(), 16u);
        int distinct = 0;
        for (int f = 0; f < 16; ++f) {
            EXPECT_GT(frames[f].paintedCount(), 250) << "frame " << f;
            distinct += !sameFrame(frames[f], frames[(f + 1) % 16]);
        }
        EXPECT_GE(distinct, 12) << "hardly animated";
        firsts.push_back(frames[0]);
    }
    for (size_t a = 0; a < firsts.size(); ++a)
        for (size_t b = a + 1; b < firsts.size(); ++b)
            EXPECT_LT(overlap(firsts[a], firsts[b]), 0.8)
                << names[a] << " and " << names[b] << " share an outline";
}

TEST(PictureItems, DoviStandsOnThePlatformBelowHer) {
    // Her picture sits 10 pixels lower than other items, so the top of the platform under her
    // cell is her picture's row 29; the platform is drawn after her and hides her soles.
    const auto frames = framesOf(RawPicture::read("Dovi.bmp"), 40, 35);
    for (int f = 0; f < 16; ++f) {
        int lowest = -1;
        for (int y = 0; y < 35; ++y)
            for (int x = 0; x < 40; ++x)
                if (frames[f].painted(x, y)) lowest = y;
        EXPECT_GE(lowest, 28) << "floating in frame " << f;
        EXPECT_LE(lowest, 32) << "sunk into the platform in frame " << f;
    }
}

TEST(PictureSprites, EverySpriteStandsOutOnEveryBackgroundTile) {
    struct Sample {
        const char* name;
        int x, y, w, h;
    };
    const Sample samples[] = {
        {"Platform.bmp", 50, 0, 50, 20},  {"Platform.bmp", 50, 20, 50, 20}, {"Platform.bmp", 50, 40, 50, 20},
        {"Platform.bmp", 50, 60, 50, 20}, {"Platform.bmp", 50, 80, 50, 20}, {"NormalBomb.bmp", 0, 0, 40, 40},
        {"HotBomb.bmp", 0, 0, 40, 40},    {"Crystal.bmp", 0, 0, 40, 35},    {"Character.bmp", 80, 0, 40, 36},
        {"Dovi.bmp", 0, 0, 40, 35},       {"AmmoBall.bmp", 0, 0, 20, 20},
    };
    const RawPicture strip = RawPicture::read("Background.bmp");
    for (int t = 0; t < strip.width / 200; ++t) {
        RawPicture tile = strip.crop(200 * t, 0, 200, 200);
        long r = 0, g = 0, b = 0;
        for (const Rgb& c : tile.pixels) r += c.r, g += c.g, b += c.b;
        const Rgb ground{static_cast<int>(r / 40000), static_cast<int>(g / 40000),
                         static_cast<int>(b / 40000)};
        for (const Sample& s : samples) {
            const Rgb m = meanColour(RawPicture::read(s.name).crop(s.x, s.y, s.w, s.h));
            const int d = std::abs(m.r - ground.r) + std::abs(m.g - ground.g) + std::abs(m.b - ground.b);
            EXPECT_GE(d, 80) << s.name << " at " << s.x << "," << s.y << " on tile " << t + 1;
            EXPECT_GE(m.luma(), ground.luma() + 25)
                << s.name << " at " << s.x << "," << s.y << " on tile " << t + 1;
        }
    }
}

TEST(PictureBombs, EachLookRollsOneFullTurnAndTheThreeLooksDiffer) {
    std::vector<Rgb> looks;
    for (const char* name : {"NormalBomb.bmp", "HotBomb.bmp", "HitBomb.bmp"}) {
        SCOPED_TRACE(name);
        const auto frames = framesOf(RawPicture::read(name), 40, 40);
        ASSERT_EQ(frames.size(), 16u);
        for (int f = 0; f < 16; ++f) {
            for (int g = f + 1; g < 16; ++g)
                EXPECT_FALSE(sameFrame(frames[f], frames[g])) << f << " and " << g;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    if (std::hypot(x + 0.5 - 20, y + 0.5 - 20) > 20.5) {
                        EXPECT_FALSE(frames[f].painted(x, y)) << "not a ball at " << x << "," << y;
                    }
            EXPECT_GT(frames[f].paintedCount(), 1000);
        }
        expectClockwiseTurn(frames);
        looks.push_back(meanColour(frames[0]));
    }
    auto luma = [](Rgb c) { return c.luma(); };
    EXPECT_LT(luma(looks[0]) + 30, luma(looks[2])) << "the hit flash is not brighter than a cold bomb";
    EXPECT_LT(luma(looks[1]) + 30, luma(looks[2])) << "the hit flash is not brighter than a hot bomb";
    EXPECT_GT(looks[1].r - looks[1].b, looks[0].r - looks[0].b + 60) << "a hot bomb does not glow red";
}

TEST(PictureShots, TheBallSpinsAndTheTwoGatesAreMirrorImages) {
    const auto frames = framesOf(RawPicture::read("AmmoBall.bmp"), 20, 20);
    ASSERT_EQ(frames.size(), 16u);
    for (int f = 0; f < 16; ++f) {
        EXPECT_GT(frames[f].paintedCount(), 100);
        EXPECT_FALSE(sameFrame(frames[f], frames[(f + 1) % 16])) << f;
    }
    expectClockwiseTurn(frames);
    const RawPicture gates = RawPicture::read("BombExit.bmp");
    ASSERT_EQ(gates.width, 20);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 10; ++x) EXPECT_EQ(gates.at(x, y), gates.at(19 - x, y)) << x << "," << y;
        // Each gate is painted against its screen edge, the middle of the picture.
        EXPECT_TRUE(gates.painted(10, y)) << "row " << y;
    }
}

}  // namespace
}  // namespace vorn::test

// The picture files as a whole: all twenty there at their sizes, transparency that the game's
// 16-bit colour key really sees, full-screen pictures that leave room for the game's text, and
// a generator that always writes the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "PicturesRaw.h"
#include "support/DataDir.h"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

struct Layout {
    const char* name;
    int width, height;   // width 0: a strip of 200-pixel tiles, ten at least
    bool sprite;         // drawn with the colour key
    bool cutOut = true;  // and has transparent parts
};

constexpr Layout kLayouts[] = {
    {"Background.bmp", 0, 200, false},   {"Loading.bmp", 800, 600, false},
    {"GetReady.bmp", 800, 600, false},   {"Congrat.bmp", 800, 600, false},
    {"GameOver.bmp", 800, 600, false},   {"Title.bmp", 800, 600, false},
    {"Platform.bmp", 150, 100, true},    {"Character.bmp", 680, 72, true},
    {"Invulnerable.bmp", 640, 35, true}, {"Crystal.bmp", 640, 35, true},
    {"HighJump.bmp", 640, 35, true},     {"ExtraSpeed.bmp", 640, 35, true},
    {"ExtraHealth.bmp", 640, 35, true},  {"Dovi.bmp", 640, 35, true},
    {"Shoot.bmp", 640, 35, true},        {"NormalBomb.bmp", 640, 40, true},
    {"HotBomb.bmp", 640, 40, true},      {"HitBomb.bmp", 640, 40, true},
    {"AmmoBall.bmp", 320, 20, true},     {"BombExit.bmp", 20, 100, true, false},
};

TEST(PictureFiles, EveryPictureHasItsLayoutAndOnlyPureBlueIsKeyedAway) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        SurfaceRef s;
        ASSERT_NO_THROW(s = Surface::loadBitmap(binDir() + "/" + l.name));
        const RawPicture p = RawPicture::read(l.name);
        if (l.width == 0) {
            EXPECT_TRUE(p.width >= 2000 && p.width % 200 == 0) << p.width;
        } else {
            EXPECT_EQ(p.width, l.width);
        }
        EXPECT_EQ(p.height, l.height);
        EXPECT_EQ(s->width(), p.width);

        int keyed = 0, notBlue = 0, fringe = 0;
        for (const Rgb& c : p.pixels) {
            if (c.transparent()) {
                ++keyed;
                notBlue += !(c == Rgb{0, 0, 255});  // a colour the player was meant to see
            } else {
                fringe += c.b - std::max(c.r, c.g) >= 80;  // an edge blended with the blue ground
            }
        }
        EXPECT_EQ(notBlue, 0) << "visible colours the key would remove";
        if (l.sprite) {
            EXPECT_EQ(fringe, 0) << "nearly blue pixels around a sprite";
            EXPECT_EQ(keyed > 0, l.cutOut) << "transparent parts";
        } else {
            EXPECT_EQ(keyed, 0) << "copied without the key, so blue would show";
        }
    }
}

TEST(PictureScreens, PanelsUnderTheGamesTextAreDarkAndQuiet) {
    struct Panel {
        const char* name;
        int x0, y0, x1, y1;
    };
    // Inside the yellow frames the game draws, one pixel in from them.
    for (const Panel& q : {Panel{"Title.bmp", 6, 156, 199, 419}, Panel{"Title.bmp", 606, 156, 799, 419},
                           Panel{"GetReady.bmp", 191, 201, 609, 339}}) {
        SCOPED_TRACE(std::string(q.name) + " panel at x " + std::to_string(q.x0));
        const RawPicture p = RawPicture::read(q.name);
        ASSERT_EQ(p.width, 800);
        double sum = 0, squares = 0;
        const double n = static_cast<double>(q.x1 - q.x0) * (q.y1 - q.y0);
        for (int y = q.y0; y < q.y1; ++y)
            for (int x = q.x0; x < q.x1; ++x) {
                sum += p.at(x, y).luma();
                squares += p.at(x, y).luma() * p.at(x, y).luma();
            }
        EXPECT_LT(sum / n, 60) << "white and yellow text needs a dark panel";
        EXPECT_LT(std::sqrt(std::max(0.0, squares / n - sum * sum / n / n)), 4) << "a busy panel";
    }
}

int runGenerator(const fs::path& folder) {
    const std::string command = "'" + binDir() + "/vorn-pictures' '" + folder.string() + "' 2>/dev/null";
    return std::system(command.c_str());
}

TEST(PictureGenerator, EveryRunWritesTheSameTwentyFilesAsTheBuildDidAndFailsWhereItCannotWrite) {
    DataDir first(true), second(true);
    ASSERT_EQ(runGenerator(first.path()), 0);
    ASSERT_EQ(runGenerator(second.path()), 0);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(first.path())) {
        const std::string name = entry.path().filename().string(), bytes = fileBytes(entry.path());
        ++files;
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == fileBytes(second.file(name))) << name << " differs between runs";
        EXPECT_TRUE(bytes == fileBytes(binDir() + "/" + name)) << name << " differs from the build's";
    }
    EXPECT_EQ(files, 20);

    first.write("not-a-folder", "x");
    EXPECT_NE(runGenerator(first.file("not-a-folder") / "below"), 0);
}

}  // namespace
}  // namespace vorn::test

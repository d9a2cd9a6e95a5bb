// The picture files as a whole: all twenty there at their sizes, transparency that the game's
// 16-bit colour key really sees, backgrounds that repeat without seams, full-screen pictures
// that leave room for the game's text, and a generator that always writes the same bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PicturesRaw.h"
#include "platform/Surface.h"
#include "support/Paths.h"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

struct Layout {
    const char* name;
    int width, height;
    bool sprite;         // drawn with the colour key
    bool cutOut = true;  // and has transparent parts
};

// Background.bmp is a strip of at least ten tiles; it is checked on its own below.
constexpr Layout kLayouts[] = {
    {"Loading.bmp", 800, 600, false},
    {"GetReady.bmp", 800, 600, false},
    {"Congrat.bmp", 800, 600, false},
    {"GameOver.bmp", 800, 600, false},
    {"Title.bmp", 800, 600, false},
    {"Platform.bmp", 150, 100, true},
    {"Character.bmp", 680, 72, true},
    {"Invulnerable.bmp", 640, 35, true},
    {"Crystal.bmp", 640, 35, true},
    {"HighJump.bmp", 640, 35, true},
    {"ExtraSpeed.bmp", 640, 35, true},
    {"ExtraHealth.bmp", 640, 35, true},
    {"Dovi.bmp", 640, 35, true},
    {"Shoot.bmp", 640, 35, true},
    {"NormalBomb.bmp", 640, 40, true},
    {"HotBomb.bmp", 640, 40, true},
    {"HitBomb.bmp", 640, 40, true},
    {"AmmoBall.bmp", 320, 20, true},
    {"BombExit.bmp", 20, 100, true, false},
};

struct Stats {
    double mean = 0, deviation = 0;
};

Stats lumaStats(const RawPicture& p, int x0, int y0, int x1, int y1) {
    double sum = 0, squares = 0;
    const double n = static_cast<double>(x1 - x0) * (y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const double l = p.at(x, y).luma();
            sum += l;
            squares += l * l;
        }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, squares / n - mean * mean))};
}

double stepAcross(const RawPicture& p, int x0, int y0, int x1, int y1, int length, bool vertical) {
    // Mean colour difference between two lines of pixels.
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const Rgb a = vertical ? p.at(x0 + i, y0) : p.at(x0, y0 + i);
        const Rgb b = vertical ? p.at(x1 + i, y1) : p.at(x1, y1 + i);
        sum += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    }
    return sum / length;
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PictureFiles, EveryFileLoadsInTheGameWithItsLayoutSize) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        SurfaceRef s;
        ASSERT_NO_THROW(s = Surface::loadBitmap(binDir() + "/" + l.name));
        EXPECT_EQ(s->width(), l.width);
        EXPECT_EQ(s->height(), l.height);
    }
    SurfaceRef background;
    ASSERT_NO_THROW(background = Surface::loadBitmap(binDir() + "/Background.bmp"));
    EXPECT_GE(background->width(), 2000) << "Scenery reaches 10, so ten tiles at least";
    EXPECT_EQ(background->width() % 200, 0);
    EXPECT_EQ(background->height(), 200);
}

TEST(PictureFiles, OnlyPureBlueIsTransparentAndNoEdgeIsBlendedTowardsIt) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        const RawPicture p = RawPicture::read(l.name);
        const SurfaceRef s = Surface::loadBitmap(binDir() + "/" + l.name);
        ASSERT_EQ(p.width, s->width());
        int keyed = 0, fringe = 0, wrongKey = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const Rgb c = p.at(x, y);
                const bool gameSeesKey = s->pixel(x, y) == Surface::kColourKey;
                EXPECT_EQ(gameSeesKey, c.transparent());
                if (c.transparent()) {
                    ++keyed;
                    wrongKey += !(c == Rgb{0, 0, 255});
                } else if (c.b - std::max(c.r, c.g) >= 80) {
                    ++fringe;  // a colour mixed with the blue background at an edge
                }
            }
        EXPECT_EQ(wrongKey, 0) << "transparent pixels that are not pure blue";
        if (l.sprite) {
            if (l.cutOut) {
                EXPECT_GT(keyed, 0) << "a sprite sheet with nothing transparent";
            }
            EXPECT_EQ(fringe, 0) << "nearly blue pixels in a sprite sheet";
        } else {
            EXPECT_EQ(keyed, 0) << "full-screen pictures are copied without the key; blue would show";
        }
    }
    const RawPicture background = RawPicture::read("Background.bmp");
    EXPECT_EQ(background.paintedCount(), background.width * background.height);
}

TEST(PictureBackgrounds, EveryTileRepeatsWithoutASeamStaysDarkAndNoTwoAreAlike) {
    const RawPicture strip = RawPicture::read("Background.bmp");
    ASSERT_GE(strip.width, 2000);
    std::vector<Rgb> means;
    for (int t = 0; t < strip.width / 200; ++t) {
        SCOPED_TRACE("tile " + std::to_string(t + 1));
        const RawPicture tile = strip.crop(200 * t, 0, 200, 200);
        // The step across the wrap (last column to first, last row to first) is no larger
        // than the steps between neighbouring columns and rows inside the tile.
        double columns = 0, rows = 0;
        for (int i = 0; i < 199; ++i) {
            columns = std::max(columns, stepAcross(tile, i, 0, i + 1, 0, 200, false));
            rows = std::max(rows, stepAcross(tile, 0, i, 0, i + 1, 200, true));
        }
        EXPECT_LE(stepAcross(tile, 199, 0, 0, 0, 200, false), columns + 1);
        EXPECT_LE(stepAcross(tile, 0, 199, 0, 0, 200, true), rows + 1);

        const Stats s = lumaStats(tile, 0, 0, 200, 200);
        EXPECT_LT(s.mean, 80) << "too bright for sprites to stand out";
        EXPECT_LT(s.deviation, 30) << "too busy behind the play";
        EXPECT_GT(s.deviation, 2) << "a flat tile";

        Rgb sum;
        for (const Rgb& c : tile.pixels) sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        means.push_back({sum.r / 40000, sum.g / 40000, sum.b / 40000});
    }
    for (size_t a = 0; a < means.size(); ++a)
        for (size_t b = a + 1; b < means.size(); ++b)
            EXPECT_FALSE(strip.crop(200 * a, 0, 200, 200).pixels == strip.crop(200 * b, 0, 200, 200).pixels)
                << "tiles " << a + 1 << " and " << b + 1 << " are the same";
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) {
            const int d = std::abs(means[a].r - means[b].r) + std::abs(means[a].g - means[b].g) +
                          std::abs(means[a].b - means[b].b);
            EXPECT_GT(d, 12) << "tiles " << a + 1 << " and " << b + 1 << " look alike";
        }
}

TEST(PictureScreens, PanelsUnderTheGamesTextAreQuietAndThePicturesAreNotBlank) {
    struct Panel {
        const char* name;
        int x0, y0, x1, y1;
    };
    // Inside the yellow frames the game draws, one pixel in from them.
    for (const Panel& q : {Panel{"Title.bmp", 6, 156, 199, 419}, Panel{"Title.bmp", 606, 156, 799, 419},
                           Panel{"GetReady.bmp", 191, 201, 609, 339}}) {
        SCOPED_TRACE(std::string(q.name) + " panel at x " + std::to_string(q.x0));
        const Stats s = lumaStats(RawPicture::read(q.name), q.x0, q.y0, q.x1, q.y1);
        EXPECT_LT(s.deviation, 4);
        EXPECT_LT(s.mean, 60) << "white and yellow text needs a dark panel";
    }
    std::vector<std::string> bytes;
    for (const char* name : {"Loading.bmp", "GetReady.bmp", "Congrat.bmp", "GameOver.bmp", "Title.bmp"}) {
        SCOPED_TRACE(name);
        const RawPicture p = RawPicture::read(name);
        // Lettering and figures over a sky, not a plain fill or a bare gradient.
        EXPECT_GT(lumaStats(p, 0, 0, 800, 600).deviation, 25);
        bytes.push_back(slurp(fs::path(binDir()) / name));
    }
    for (size_t a = 0; a < bytes.size(); ++a)
        for (size_t b = a + 1; b < bytes.size(); ++b) EXPECT_NE(bytes[a], bytes[b]);
}

int runGenerator(const std::string& arguments) {
    const std::string command = "'" + binDir() + "/vorn-pictures' " + arguments + " 2>/dev/null";
    return std::system(command.c_str());
}

TEST(PictureGenerator, TwoRunsWriteTheSameTwentyFilesByteForByte) {
    const fs::path base = fs::temp_directory_path() / ("vorn-pictures-" + std::to_string(::getpid()));
    fs::remove_all(base);
    ASSERT_EQ(runGenerator("'" + (base / "a").string() + "'"), 0);
    ASSERT_EQ(runGenerator("'" + (base / "b").string() + "'"), 0);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(base / "a")) {
        ++files;
        const std::string name = entry.path().filename().string();
        const std::string first = slurp(entry.path());
        EXPECT_FALSE(first.empty()) << name;
        EXPECT_TRUE(first == slurp(base / "b" / name)) << name << " differs between runs";
    }
    EXPECT_EQ(files, 20);
    EXPECT_NE(runGenerator(""), 0) << "no output folder given";
    fs::remove_all(base);
}

}  // namespace
}  // namespace vorn::test

// The twenty pictures and seventeen sounds the build draws: the shapes and formats the game
// reads them in, transparency the game's colour key really sees, platforms and a hero drawn where
// the rules put them, sounds free of clicks, and generators that always write the same bytes. Files are read
// with SDL's own loaders, in their full depth.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn::test {
namespace {

// A picture file's pixels as 0xRRGGBB, row after row, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    explicit Picture(const std::string& name) {
        SDL_Surface* file = SDL_LoadBMP((binDir() + "/" + name).c_str());
        SDL_Surface* s = file ? SDL_ConvertSurfaceFormat(file, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
        if (!s) {
            ADD_FAILURE() << name << ": " << SDL_GetError();
        } else {
            width = s->w, height = s->h;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    pixels.push_back(static_cast<const uint32_t*>(s->pixels)[y * s->pitch / 4 + x] &
                                     0xFFFFFF);
        }
        SDL_FreeSurface(s);
        SDL_FreeSurface(file);
    }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    static int channel(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }
    // What the game's colour-keyed copies leave out.
    static bool keyed(uint32_t p) {
        return toRgb565(rgb(channel(p, 16), channel(p, 8), channel(p, 0))) == Surface::kColourKey;
    }
    bool painted(int x, int y) const { return !keyed(at(x, y)); }
};

TEST(PictureFiles, EveryPictureHasTheShapeTheGameReadsAndOnlyPureBlueIsKeyedAway) {
    // Width 0: a strip of 200-pixel tiles, ten at least. Sprites are drawn with the colour key.
    const struct {
        const char* name;
        int width, height;
        bool sprite;
    } layouts[] = {
        {"Background.bmp", 0, 200, false},   {"Loading.bmp", 800, 600, false},
        {"GetReady.bmp", 800, 600, false},   {"Congrat.bmp", 800, 600, false},
        {"GameOver.bmp", 800, 600, false},   {"Title.bmp", 800, 600, false},
        {"Platform.bmp", 150, 100, true},    {"Character.bmp", 680, 72, true},
        {"Invulnerable.bmp", 640, 35, true}, {"Crystal.bmp", 640, 35, true},
        {"HighJump.bmp", 640, 35, true},     {"ExtraSpeed.bmp", 640, 35, true},
        {"ExtraHealth.bmp", 640, 35, true},  {"Dovi.bmp", 640, 35, true},
        {"Shoot.bmp", 640, 35, true},        {"NormalBomb.bmp", 640, 40, true},
        {"HotBomb.bmp", 640, 40, true},      {"HitBomb.bmp", 640, 40, true},
        {"AmmoBall.bmp", 320, 20, true},     {"BombExit.bmp", 20, 100, true},
    };
    for (const auto& l : layouts) {
        SCOPED_TRACE(l.name);
        const Picture p(l.name);
        EXPECT_TRUE(l.width ? p.width == l.width : p.width >= 2000 && p.width % 200 == 0) << p.width;
        EXPECT_EQ(p.height, l.height);
        int keyed = 0, notBlue = 0, fringe = 0;
        for (uint32_t c : p.pixels) {
            const int r = Picture::channel(c, 16), g = Picture::channel(c, 8), b = Picture::channel(c, 0);
            keyed += Picture::keyed(c);
            notBlue += Picture::keyed(c) && c != 0x0000FF;             // a colour the player was meant to see
            fringe += !Picture::keyed(c) && b - std::max(r, g) >= 80;  // an edge blended with the blue ground
        }
        EXPECT_EQ(notBlue, 0) << "visible colours the key would remove";
        EXPECT_TRUE(!l.sprite || fringe == 0) << fringe << " nearly blue pixels around a sprite";
        // Full-screen pictures are copied without the key; every sprite but the gate has a cut-out.
        EXPECT_EQ(keyed > 0, l.sprite && std::string(l.name) != "BombExit.bmp") << keyed;
    }
}

TEST(PictureFiles, PlatformsShowTheirSolidPartAndTheHeroFitsItsHitBox) {
    const Picture sheet("Platform.bmp");
    ASSERT_EQ(sheet.height, 100);
    for (int style = 0; style < 5; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        // Solid from x 10 to 40 of its cell, on rows 13..16 for the thin style and 2..17 for the
        // others; drawn ends may stray 3 pixels either way of that edge, and no further.
        const int top = style == 1 ? 13 : 2, bottom = style == 1 ? 16 : 17, row0 = 20 * style;
        for (int piece = 0; piece < 3; ++piece)
            for (int x = 0; x < 50; ++x) {
                const int sx = 50 * piece + x;
                const bool solid = (piece > 0 || x >= 13) && (piece < 2 || x <= 37);
                for (int y = 0; y < 20; ++y) {
                    const bool inside = solid && y >= top && y <= bottom;
                    const bool outside = y < top - 3 || (piece == 0 && x < 7) || (piece == 2 && x >= 43);
                    ASSERT_TRUE(!(inside || outside) || sheet.painted(sx, row0 + y) == inside)
                        << sx << "," << y;
                }
            }
    }

    // Each of the 17 poses stays inside the hit rectangle's width (x 5 to 35) and stands on the
    // bottom row, but pose 8, drawn only in the air; the right-facing row mirrors the left.
    const Picture hero("Character.bmp");
    ASSERT_EQ(hero.height, 72);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 680; ++x) ASSERT_EQ(hero.at(x, y), hero.at(679 - x, 36 + y)) << x << "," << y;
    for (int pose = 0; pose < 17; ++pose) {
        bool feet = false;
        for (int x = 0; x < 40; ++x) {
            feet = feet || hero.painted(40 * pose + x, 35);
            for (int y = 0; y < 36 && (x < 5 || x >= 35); ++y)
                EXPECT_FALSE(hero.painted(40 * pose + x, y)) << "pose " << pose << " at " << x << "," << y;
        }
        EXPECT_TRUE(feet || pose == 8) << "pose " << pose << " floats above the bottom row";
    }
}

// The sounds as the game loads them: each in the format the game asks the device for, all
// different, never clipping, fading in and ending in silence.
TEST(SoundFiles, EachSoundHasTheFormatTheGameAsksForAndStartsAndEndsWithoutAClick) {
    DataDir data;
    HeadlessPlatform host;
    host.messages.echoToStderr = false;
    Game game(host.platform());
    game.abandonWithoutSaving();
    ASSERT_TRUE(game.Initialize(host.window, false));
    ASSERT_EQ(host.sound.loads.size(), 17u);
    std::set<std::vector<double>> distinct;
    for (const auto& [name, highQuality] : host.sound.loads) {
        SCOPED_TRACE(name);
        SDL_AudioSpec spec;
        Uint8* data8 = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV(name.c_str(), &spec, &data8, &length)) << SDL_GetError();
        EXPECT_EQ(spec.channels, 1);
        EXPECT_EQ(spec.freq, highQuality ? 22050 : 8000);
        EXPECT_EQ(spec.format, highQuality ? AUDIO_S16LSB : AUDIO_U8);
        std::vector<double> samples;  // full scale is 1
        for (Uint32 i = 0; spec.format == AUDIO_U8 && i < length; ++i)
            samples.push_back((data8[i] - 128) / 128.0);
        for (Uint32 i = 0; spec.format == AUDIO_S16LSB && i + 1 < length; i += 2)
            samples.push_back(static_cast<int16_t>(data8[i] | data8[i + 1] << 8) / 32768.0);
        SDL_FreeWAV(data8);
        EXPECT_TRUE(distinct.insert(samples).second) << "the same sound as another file";

        const size_t edge = static_cast<size_t>(spec.freq) / 200;  // 5 ms
        ASSERT_GT(samples.size(), 4 * edge);
        double peak = 0.0;
        for (double s : samples) peak = std::max(peak, std::fabs(s));
        EXPECT_LT(peak, 0.95) << "no headroom left";
        // The first 5 ms stay under a straight ramp from silence, so even the sharpest knock fades
        // in rather than starting on a jump; the last 5 ms are silence.
        const double slack = 1.5 / (highQuality ? 32768 : 128);
        for (size_t i = 0; i < edge; ++i) {
            ASSERT_LE(std::fabs(samples[i]), static_cast<double>(i) / static_cast<double>(edge) + slack) << i;
            ASSERT_LE(std::fabs(samples[samples.size() - 1 - i]), 0.01) << i << " from the end";
        }
    }
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(AssetGenerators, EveryRunWritesTheSameFilesAsTheBuildDidAndFailsWhereItCannotWrite) {
    for (const auto& [tool, count] : {std::pair{"vorn-pictures", 20}, {"vorn-sounds", 17}}) {
        SCOPED_TRACE(tool);
        DataDir first(true), second(true);
        const auto run = [tool = std::string(tool)](const fs::path& folder) {
            return std::system(
                ("'" + binDir() + "/" + tool + "' '" + folder.string() + "' 2>/dev/null").c_str());
        };
        ASSERT_EQ(run(first.path()), 0);
        ASSERT_EQ(run(second.path() / "made" / "here"), 0) << "it makes the folder it is given";
        int written = 0;
        for (const auto& entry : fs::directory_iterator(first.path())) {
            const std::string name = entry.path().filename().string(), bytes = bytesOf(entry.path());
            ++written;
            EXPECT_FALSE(bytes.empty()) << name;
            EXPECT_TRUE(bytes == bytesOf(second.path() / "made" / "here" / name))
                << name << " differs between runs";
            EXPECT_TRUE(bytes == bytesOf(fs::path(binDir()) / name)) << name << " differs from the build's";
        }
        EXPECT_EQ(written, count);
        first.write("not-a-folder", "x");
        EXPECT_NE(run(first.file("not-a-folder") / "below"), 0);
    }
}

}  // namespace
}  // namespace vorn::test

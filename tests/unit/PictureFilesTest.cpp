// The twenty pictures the build draws: the shapes the game reads them in, and transparency the
// game's colour key really sees. They are read with SDL's own loader, in their full depth.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Surface.h"
#include "support/Paths.h"

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
    static int channel(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }
    // What the game's colour-keyed copies leave out.
    static bool keyed(uint32_t p) {
        return toRgb565(rgb(channel(p, 16), channel(p, 8), channel(p, 0))) == Surface::kColourKey;
    }
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

}  // namespace
}  // namespace vorn::test

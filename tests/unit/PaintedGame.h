// A headless game with an 800 x 600 display and pictures made here, each pixel a value of its
// own, so a test can tell exactly which source pixel landed where on the screen.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engines/VBGE.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace vorn::test {

// A w x h picture whose pixels differ from their neighbours and are never the colour key,
// except where `keyEvery` marks every n-th pixel of a row as transparent.
inline SurfaceRef patterned(int w, int h, uint16_t salt, int keyEvery = 0) {
    auto s = std::make_shared<Surface>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto v = static_cast<uint16_t>(salt * 4099u + static_cast<unsigned>(x) * 37u +
                                           static_cast<unsigned>(y) * 1021u);
            if (v == Surface::kColourKey || v == 0) v = 0x5555;
            if (keyEvery && (x + y) % keyEvery == 0) v = Surface::kColourKey;
            s->setPixel(x, y, v);
        }
    return s;
}

inline SurfaceRef filled(int w, int h, uint16_t value) {
    auto s = std::make_shared<Surface>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s->setPixel(x, y, value);
    return s;
}

// The screen's rectangle at (x, y) of size w x h shows src from (sx, sy) pixel for pixel;
// a transparent source pixel must show `under` instead, when given.
inline ::testing::AssertionResult showsBlock(const Surface& screen, int x, int y, int w, int h,
                                             const Surface& src, int sx, int sy,
                                             const Surface* under = nullptr) {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx) {
            uint16_t want = src.pixel(sx + dx, sy + dy);
            if (want == Surface::kColourKey && under) want = under->pixel(x + dx, y + dy);
            const uint16_t got = screen.pixel(x + dx, y + dy);
            if (got != want)
                return ::testing::AssertionFailure()
                       << "at (" << x + dx << ", " << y + dy << ") got " << got << ", want " << want
                       << " from source (" << sx + dx << ", " << sy + dy << ")";
        }
    return ::testing::AssertionSuccess();
}

// The two surfaces agree over the rectangle (x0, y0)-(x1, y1), right and bottom outside.
inline ::testing::AssertionResult sameRegion(const Surface& a, const Surface& b, int x0, int y0, int x1,
                                             int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure() << "differ at (" << x << ", " << y
                                                     << "): " << a.pixel(x, y) << " vs " << b.pixel(x, y);
    return ::testing::AssertionSuccess();
}

class PaintedGame : public ::testing::Test {
protected:
    PaintedGame() {
        host.messages.echoToStderr = false;
        game.abandonWithoutSaving();
        game.GraphicsEngine = std::make_unique<VBGE>(host.display, host.messages);
        game.GraphicsEngine->Initialize(800, 600, 16);
        game.Initialized = true;
        game.GameState = kPlaying;
        game.Level = 1;
        game.Scenery = 1;
        // The character stands above the screen unless a test places it.
        game.CharX = 380.0f;
        game.CharY = -200.0f;
        game.LevelNames[0] = "First";
        for (auto& row : game.LevelGrid)
            for (auto& cell : row)
                for (auto& level : cell) level = kEmptyCell;

        game.SurfBackground = patterned(600, 200, 1);
        game.SurfTitle = patterned(800, 600, 2);
        game.SurfPlatform = patterned(150, 100, 3, 7);
        game.SurfCharacter = patterned(680, 72, 4, 5);
        game.SurfInvulnerable = patterned(640, 35, 5);
        game.SurfCrystal = patterned(640, 35, 6);
        game.SurfHighJump = patterned(640, 35, 7);
        game.SurfExtraSpeed = patterned(640, 35, 8);
        game.SurfExtraHealth = patterned(640, 35, 9);
        game.SurfDovi = patterned(640, 35, 10);
        game.SurfShoot = patterned(640, 35, 11);
        game.SurfNormalBomb = patterned(640, 40, 12, 3);
        game.SurfHotBomb = patterned(640, 40, 13);
        game.SurfHitBomb = patterned(640, 40, 14);
        game.SurfAmmoBall = patterned(320, 20, 15);
        game.SurfBombExit = patterned(20, 100, 16);
        game.FontSmall = Font("Comic Sans MS", 8);
        game.FontMedium = Font("Comic Sans MS", 12);
        game.FontLarge = Font("Comic Sans MS", 16);
    }

    Surface& screen() { return *host.display.primary(); }
    // The background the frame starts from, tile n = Scenery, repeated over the screen.
    SurfaceRef backgroundScreen() {
        auto s = std::make_shared<Surface>(800, 600);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                s->setPixel(x, y, game.SurfBackground->pixel(200 * (game.Scenery - 1) + x % 200, y % 200));
        return s;
    }

    HeadlessPlatform host;
    DataDir dir{true};
    Game game{host.platform()};
};

}  // namespace vorn::test

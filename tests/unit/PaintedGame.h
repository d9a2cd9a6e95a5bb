// A headless game with an 800 x 600 display and pictures made here, each pixel a value of its
// own, so a test can tell exactly which source pixel landed where on the screen.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <tuple>

#include "engines/VBGE.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace vorn::test {

// A w x h picture whose pixels differ from their neighbours and are never black or the colour
// key, except where `keyEvery` marks every n-th pixel along a diagonal as transparent.
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

// The screen's w x h block at (x, y) shows src from (sx, sy) pixel for pixel; where the source
// is transparent it shows `under` (when given) instead.
inline ::testing::AssertionResult showsBlock(const Surface& screen, int x, int y, int w, int h,
                                             const Surface& src, int sx, int sy,
                                             const Surface* under = nullptr) {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx) {
            uint16_t want = src.pixel(sx + dx, sy + dy);
            if (want == Surface::kColourKey && under) want = under->pixel(x + dx, y + dy);
            if (screen.pixel(x + dx, y + dy) != want)
                return ::testing::AssertionFailure() << "at (" << x + dx << ", " << y + dy << ") got "
                                                     << screen.pixel(x + dx, y + dy) << ", want " << want;
        }
    return ::testing::AssertionSuccess();
}

class PaintedGame : public ::testing::Test {
protected:
    PaintedGame() {
        host.messages.echoToStderr = false;
        game.abandonWithoutSaving();
        game.GraphicsEngine = std::make_unique<VBGE>(host.display, host.messages);
        EXPECT_TRUE(game.GraphicsEngine->Initialize(kScreenWidth, kScreenHeight, 16));
        game.Initialized = true;
        game.GameState = kPlaying;
        game.Level = 1;
        game.Scenery = 1;
        // The character stands above the screen unless a test places it.
        game.CharX = 380.0f;
        game.CharY = -200.0f;
        for (auto& row : game.LevelGrid)
            for (auto& cell : row)
                for (auto& level : cell) level = kEmptyCell;

        // Sheet sizes as the game's pictures have them; some with transparent pixels.
        const std::tuple<SurfaceRef Game::*, int, int, int> pictures[] = {
            {&Game::SurfBackground, 600, 200, 0},  {&Game::SurfTitle, 800, 600, 0},
            {&Game::SurfPlatform, 150, 100, 7},    {&Game::SurfCharacter, 680, 72, 5},
            {&Game::SurfInvulnerable, 640, 35, 0}, {&Game::SurfCrystal, 640, 35, 0},
            {&Game::SurfHighJump, 640, 35, 0},     {&Game::SurfExtraSpeed, 640, 35, 0},
            {&Game::SurfExtraHealth, 640, 35, 0},  {&Game::SurfDovi, 640, 35, 0},
            {&Game::SurfShoot, 640, 35, 0},        {&Game::SurfNormalBomb, 640, 40, 3},
            {&Game::SurfHotBomb, 640, 40, 0},      {&Game::SurfHitBomb, 640, 40, 0},
            {&Game::SurfAmmoBall, 320, 20, 0},     {&Game::SurfBombExit, 20, 100, 0}};
        uint16_t salt = 1;
        for (const auto& [member, w, h, keyEvery] : pictures)
            game.*member = patterned(w, h, salt++, keyEvery);
        game.FontSmall = Font("Comic Sans MS", 8);
        game.FontMedium = Font("Comic Sans MS", 12);
        game.FontLarge = Font("Comic Sans MS", 16);
    }

    Surface& screen() { return *host.display.primary(); }
    // The background the frame starts from: tile n = Scenery, repeated over the screen.
    SurfaceRef backgroundScreen() {
        auto s = std::make_shared<Surface>(800, 600);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                s->setPixel(x, y, game.SurfBackground->pixel(200 * (game.Scenery - 1) + x % 200, y % 200));
        return s;
    }
    // The screen agrees with `expected` over the rectangle; the font must have drawn something
    // there, or a comparison of text would prove nothing.
    ::testing::AssertionResult showsText(const Surface& expected, const Surface& withoutText, int x0, int y0,
                                         int x1, int y1) {
        if (showsBlock(withoutText, x0, y0, x1 - x0, y1 - y0, expected, x0, y0))
            return ::testing::AssertionFailure() << "the font draws nothing";
        return showsBlock(screen(), x0, y0, x1 - x0, y1 - y0, expected, x0, y0);
    }

    HeadlessPlatform host;
    DataDir dir{true};
    Game game{host.platform()};
};

}  // namespace vorn::test

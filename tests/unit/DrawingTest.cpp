// Whole-screen pictures, the title screen, the layers of the play screen and the frame-rate
// overlay, checked on the pixels of the headless display. The game draws on an 800 x 600 display
// with pictures made here, each pixel a value of its own, so a test can tell exactly which
// source pixel landed where on the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <tuple>

#include "devinfo/DevInfo.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace vorn::test {
namespace {

// A w x h picture whose pixels differ from their neighbours and are never black or the colour
// key, except where `keyEvery` marks every n-th pixel along a diagonal as transparent.
SurfaceRef patterned(int w, int h, uint16_t salt, int keyEvery = 0) {
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
::testing::AssertionResult showsBlock(const Surface& screen, int x, int y, int w, int h, const Surface& src,
                                      int sx, int sy, const Surface* under = nullptr) {
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

const uint16_t kYellow565 = toRgb565(rgb(255, 255, 0));

// Every pixel outside the block (x, y, w, h) of the surface holds `value`.
::testing::AssertionResult onlyBlockDrawn(const Surface& s, int x, int y, int w, int h, uint16_t value) {
    for (int py = 0; py < s.height(); ++py)
        for (int px = 0; px < s.width(); ++px)
            if ((px < x || px >= x + w || py < y || py >= y + h) && s.pixel(px, py) != value)
                return ::testing::AssertionFailure() << "(" << px << ", " << py << ") is " << s.pixel(px, py);
    return ::testing::AssertionSuccess();
}

TEST_F(PaintedGame, ShowBitmapCentresPicturesOnBlack) {
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) screen().setPixel(x, y, 0x1234);
    Surface& back = *host.display.backBuffer();

    // Blue pixels of a full-screen picture stay blue: the copy ignores the colour key.
    const auto picture = patterned(640, 480, 20, 9);
    ASSERT_TRUE(game.ShowBitmap(*picture, false));
    EXPECT_TRUE(showsBlock(back, 80, 60, 640, 480, *picture, 0, 0));
    EXPECT_TRUE(onlyBlockDrawn(back, 80, 60, 640, 480, 0));
    EXPECT_TRUE(onlyBlockDrawn(screen(), 0, 0, 0, 0, 0x1234));
    EXPECT_EQ(host.display.presents, 0);

    // Shown at once: the picture at the same place, the old screen around it.
    ASSERT_TRUE(game.ShowBitmap(*picture, true));
    EXPECT_TRUE(showsBlock(screen(), 80, 60, 640, 480, *picture, 0, 0));
    EXPECT_TRUE(onlyBlockDrawn(screen(), 80, 60, 640, 480, 0x1234));
    EXPECT_GT(host.display.presents, 0);

    // Odd margins round to even (1.5 and 3.5 give 2 and 4).
    const auto odd = patterned(797, 593, 21);
    ASSERT_TRUE(game.ShowBitmap(*odd, false));
    EXPECT_TRUE(showsBlock(back, 2, 4, 797, 593, *odd, 0, 0));
    EXPECT_TRUE(onlyBlockDrawn(back, 2, 4, 797, 593, 0));
    EXPECT_TRUE(host.messages.shown.empty());
}

// The title: the picture, the keys on the left and the table on the right, each in a yellow
// frame under a white heading; a score that changes shows in the next frame.
TEST_F(PaintedGame, TheTitleShowsThePictureTheKeysAndTheTableAndRecomposesEveryFrame) {
    game.GameState = kTitle;
    for (int k = 0; k < 10; ++k)
        game.HighScores[k] = {k == 3 ? "Ann" : "Dovi", static_cast<int16_t>(1000 * k - 990)};
    ASSERT_TRUE(game.DrawFrame());

    Surface expected(800, 600), noText(800, 600);
    for (Surface* e : {&expected, &noText}) {
        e->copyAll(*game.SurfTitle);
        e->setFillStyle(FillStyle::Transparent);
        e->setForeColour(rgb(255, 255, 0));
        e->drawBox(5, 155, 200, 420);
        e->drawBox(605, 155, 800, 420);
    }
    expected.setFont(game.FontMedium);
    expected.setForeColour(rgb(255, 255, 255));
    expected.drawText(10, 160, "Keyboard Help");
    expected.drawText(610, 160, "High Scores");
    expected.setForeColour(rgb(255, 255, 0));
    std::istringstream help(
        "F1 - Start Game\nF2 - Options\nEsc - Exit Game\nP - Pause Game\n\nLeft - Move Left\n"
        "Right - Move Right\nUp/Space - Jump Up\nDown - Jump Down\nShift/Ctrl - Shoot");
    std::string line;
    for (int i = 0; i < 10; ++i) {
        std::getline(help, line);
        expected.drawText(10, 200 + 20 * i, line);
        expected.drawText(610, 200 + 20 * i, i == 3 ? "Ann" : "Dovi");
        expected.drawText(720, 200 + 20 * i, std::to_string(1000 * i - 990));
    }
    EXPECT_TRUE(showsText(expected, noText, 0, 0, 800, 600));

    game.HighScores[9].Score = 1234;
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_TRUE(showsBlock(screen(), 0, 0, 800, 380, expected, 0, 0));
    EXPECT_FALSE(showsBlock(screen(), 720, 380, 80, 20, expected, 720, 380)) << "the old score still shows";
}

TEST_F(PaintedGame, WorldLayersTakeTheirFramesAndPlaces) {
    game.Scenery = 2;
    game.BombCount = 6;
    auto bomb = [&](int i, float x, float y, float frame, int16_t direction) -> BombRec& {
        game.Bombs[i] = BombRec{};
        game.Bombs[i].X = x, game.Bombs[i].Y = y, game.Bombs[i].Frame = frame;
        game.Bombs[i].Direction = direction;
        return game.Bombs[i];
    };
    bomb(0, -15.5f, 100, 2.7f, 1);
    bomb(1, 300.9f, 250, 2, 0);
    bomb(2, 400, 250, 0, 1).Hot = true;
    BombRec& flashing = bomb(3, 500, 250, 0, 1);
    flashing.Hot = true, flashing.FlashTime = 3;
    bomb(4, 600, 250, 0, 1).Dead = true;
    game.Shots[0] = ShotRec{true, 100, 400, 3.2f, 0, -15};
    game.Shots[2] = ShotRec{true, 200, 400, 1, 1, 15};
    game.ItemCount = 2;
    game.Items[0] = ItemRec{200, 450, 240, 485, 5.5f, 13};
    game.Items[1] = ItemRec{300, 450, 340, 485, 1, 16};
    game.Items[2] = ItemRec{400, 450, 440, 485, 0, 12};  // past ItemCount
    game.CharInAir = 1, game.CharX = 600.7f, game.CharY = 300.2f, game.CharPose = 3, game.CharFacing = 1;
    ASSERT_TRUE(game.DrawFrame());

    const auto bg = backgroundScreen();
    const Surface& s = screen();
    EXPECT_TRUE(showsBlock(s, 400, 400, 200, 200, *game.SurfBackground, 200, 0));
    // Drawn from x = -16 and clipped at the edge.
    EXPECT_TRUE(showsBlock(s, 0, 100, 24, 40, *game.SurfNormalBomb, 96, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 24, 100, 16, 40, *bg, 24, 100));
    EXPECT_TRUE(showsBlock(s, 300, 250, 40, 40, *game.SurfNormalBomb, 520, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 400, 250, 40, 40, *game.SurfHotBomb, 0, 0));
    EXPECT_TRUE(showsBlock(s, 500, 250, 40, 40, *game.SurfHitBomb, 0, 0));
    EXPECT_TRUE(showsBlock(s, 600, 250, 40, 40, *bg, 600, 250));
    EXPECT_TRUE(showsBlock(s, 100, 400, 20, 20, *game.SurfAmmoBall, 240, 0));
    EXPECT_TRUE(showsBlock(s, 200, 400, 20, 20, *game.SurfAmmoBall, 20, 0));
    EXPECT_TRUE(showsBlock(s, 200, 450, 40, 35, *game.SurfCrystal, 200, 0));
    EXPECT_TRUE(showsBlock(s, 300, 450, 40, 35, *game.SurfDovi, 40, 0));
    EXPECT_TRUE(showsBlock(s, 400, 450, 40, 35, *bg, 400, 450));
    EXPECT_TRUE(showsBlock(s, 600, 300, 40, 36, *game.SurfCharacter, 520, 36, bg.get()));
    EXPECT_TRUE(showsBlock(s, 0, 480, 10, 100, *game.SurfBombExit, 10, 0));
    EXPECT_TRUE(showsBlock(s, 790, 480, 10, 100, *game.SurfBombExit, 0, 0));

    // While the level ends the character is gone, and the rest is still drawn.
    game.EndDelay = 5;
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_TRUE(showsBlock(s, 600, 300, 40, 36, *bg, 600, 300));
    EXPECT_TRUE(showsBlock(s, 300, 250, 40, 40, *game.SurfNormalBomb, 520, 0, bg.get()));
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(PaintedGame, PlatformEndPiecesComeFromTheNeighbouringCells) {
    auto cell = [&](int row, int column, uint8_t code) { game.LevelGrid[row][column][0] = code; };
    cell(10, 0, 2), cell(10, 1, 2);  // the screen edge counts as platform
    cell(12, 5, 0);                  // alone
    cell(14, 8, 4), cell(14, 9, 4);
    cell(16, 15, 1);
    cell(18, 3, 3), cell(18, 4, 7);  // 7 is no platform and is not drawn
    game.CharInAir = 0, game.CharX = 5, game.CharY = 190;
    ASSERT_TRUE(game.DrawFrame());

    const auto bg = backgroundScreen();
    const Surface& s = screen();
    const Surface& sheet = *game.SurfPlatform;
    // Standing, the character is behind the platform; the platform's blue shows it through.
    Surface behind(800, 600);
    behind.copyAll(*bg);
    EXPECT_TRUE(behind.blt(Rect{5, 190, 45, 226}, *game.SurfCharacter, Rect{0, 0, 40, 36}, true));
    EXPECT_TRUE(showsBlock(s, 0, 200, 50, 20, sheet, 50, 40, &behind));
    EXPECT_TRUE(showsBlock(s, 50, 200, 50, 20, sheet, 100, 40, bg.get()));
    EXPECT_TRUE(showsBlock(s, 250, 240, 50, 20, sheet, 50, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 400, 280, 50, 20, sheet, 0, 80, bg.get()));
    EXPECT_TRUE(showsBlock(s, 450, 280, 50, 20, sheet, 100, 80, bg.get()));
    EXPECT_TRUE(showsBlock(s, 750, 320, 50, 20, sheet, 0, 20, bg.get()));
    EXPECT_TRUE(showsBlock(s, 150, 360, 50, 20, sheet, 50, 60, bg.get()));
    EXPECT_TRUE(showsBlock(s, 200, 360, 50, 20, *bg, 200, 360));

    // In the air it is in front.
    game.CharInAir = 1;
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_EQ(s.pixel(11, 205), game.SurfCharacter->pixel(6, 15));
    EXPECT_NE(sheet.pixel(61, 45), game.SurfCharacter->pixel(6, 15));
}

TEST_F(PaintedGame, StatusLineShowsHealthScoreLevelAndIndicators) {
    game.Health = 7;
    game.Score = -120;
    game.Level = 3;
    game.LevelNames[2] = "Caves";
    game.SpeedTime = 0, game.HyperJumps = 3, game.InvulnerableTime = 299, game.BallBlasterTime = 29;
    game.ItemCount = 1;
    game.Items[0] = ItemRec{-100, -100, -60, -65, 2.5f, 13};
    ASSERT_TRUE(game.DrawFrame());
    const Surface& s = screen();
    const auto bg = backgroundScreen();

    // Seven half-size characters in yellow frames, the last at (162, 10, 182, 28).
    for (auto [x, y] : {std::pair{162, 10}, {181, 27}, {181, 10}, {162, 27}, {12, 10}})
        EXPECT_EQ(s.pixel(x, y), kYellow565) << x << ", " << y;
    EXPECT_EQ(s.pixel(170, 18), game.SurfCharacter->pixel(16, 16));
    EXPECT_TRUE(showsBlock(s, 182, 10, 20, 18, *bg, 182, 10));

    // The same line drawn here, and once more without any text: the score, the level, the
    // empty speed slot, then the jumps, seconds and seconds, each number inside its picture.
    const auto expected = backgroundScreen();
    const auto noText = backgroundScreen();
    expected->setFont(game.FontLarge);
    expected->setForeColour(rgb(255, 255, 255));
    expected->drawText(12, 32, "Score: -120");
    expected->setFont(game.FontMedium);
    expected->setForeColour(rgb(255, 255, 0));
    expected->drawText(150, 32, "Level 3: Caves");
    expected->setFont(game.FontSmall);
    for (Surface* e : {expected.get(), noText.get()}) {
        e->setForeColour(rgb(255, 255, 0));
        e->setFillStyle(FillStyle::Transparent);
    }
    const std::tuple<int, const Surface*, const char*> slots[] = {{645, game.SurfHighJump.get(), "3"},
                                                                  {690, game.SurfInvulnerable.get(), "9"},
                                                                  {735, game.SurfShoot.get(), "0"}};
    for (const auto& [x, sheet, number] : slots) {
        for (Surface* e : {expected.get(), noText.get()}) {
            EXPECT_TRUE(e->blt(Rect{x, 5, x + 40, 40}, *sheet, Rect{80, 0, 120, 35}, true));
            e->drawBox(x, 5, x + 40, 40);
        }
        expected->drawText(x + 2, 26, number);
        EXPECT_TRUE(showsText(*expected, *noText, x, 5, x + 40, 40)) << x;
    }
    EXPECT_TRUE(showsText(*expected, *noText, 0, 30, 800, 80));
    EXPECT_TRUE(showsBlock(s, 600, 0, 45, 45, *bg, 600, 0));
}

// The developer-mode frame-rate overlay: three-second windows and the figure's text. (Its box
// on the screen is looked at by the end-to-end test of developer mode.)
std::string single(float value) {
    char text[32];
    return std::string(text, formatSingle(value, text, sizeof text));
}

TEST(DevInfoText, SinglesAreWrittenWithSevenDigitsAndNoTrailingZeros) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0"},     {31.0f, "31"},           {100.0f / 3.0f, "33.33333"},
        {29.5f, "29.5"}, {1234567.0f, "1234567"}, {2.0f / 3.0f, "0.6666667"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(single(value), text);
}

TEST_F(PaintedGame, FrameRateIsMeasuredOverThreeSecondWindows) {
    DevInfo info(host.clock, host.messages);
    const uint32_t start = host.clock.now;
    ASSERT_TRUE(info.Initialize(*game.GraphicsEngine));

    // 90 frames spread evenly over the first three seconds, the last at exactly 3000 ms.
    for (int k = 1; k <= 89; ++k) {
        host.clock.now = start + static_cast<uint32_t>(3000 * k / 90);
        ASSERT_TRUE(info.Calculate());
        ASSERT_EQ(info.fps(), 0.0f) << k;
    }
    host.clock.now = start + 3000;
    ASSERT_TRUE(info.Calculate());
    EXPECT_EQ(info.fps(), 30.0f);

    EXPECT_TRUE(host.messages.shown.empty());
}

}  // namespace
}  // namespace vorn::test

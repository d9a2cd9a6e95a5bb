// Whole-screen pictures, the title screen and the layers of the play screen, checked on the
// pixels of the headless display.
#include <gtest/gtest.h>

#include <tuple>

#include "PaintedGame.h"

namespace vorn::test {
namespace {

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
    const char* help[] = {"F1 - Start Game",
                          "F2 - Options",
                          "Esc - Exit Game",
                          "P - Pause Game",
                          "",
                          "Left - Move Left",
                          "Right - Move Right",
                          "Up/Space - Jump Up",
                          "Down - Jump Down",
                          "Shift/Ctrl - Shoot"};
    for (int i = 0; i < 10; ++i) {
        expected.drawText(10, 200 + 20 * i, help[i]);
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

}  // namespace
}  // namespace vorn::test

// Whole-screen pictures, the title screen and the layers of the play screen, checked on the
// pixels of the headless display.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "PaintedGame.h"

namespace vorn::test {
namespace {

const uint16_t kYellow565 = toRgb565(rgb(255, 255, 0));

TEST_F(PaintedGame, ShowBitmapCentresPicturesOnBlack) {
    const auto before = filled(800, 600, 0x1234);
    screen().copyAll(*before);
    const int presents = host.display.presents;
    Surface& back = *host.display.backBuffer();
    const auto black = filled(800, 600, 0);

    // Blue pixels of a full-screen picture stay blue: the copy ignores the colour key.
    const auto picture = patterned(640, 480, 20, 9);
    ASSERT_TRUE(game.ShowBitmap(*picture, false));
    EXPECT_TRUE(showsBlock(back, 80, 60, 640, 480, *picture, 0, 0));
    EXPECT_TRUE(sameRegion(back, *black, 0, 0, 800, 60));
    EXPECT_TRUE(sameRegion(back, *black, 0, 540, 800, 600));
    EXPECT_TRUE(sameRegion(back, *black, 0, 60, 80, 540));
    EXPECT_TRUE(sameRegion(back, *black, 720, 60, 800, 540));
    EXPECT_TRUE(sameRegion(screen(), *before, 0, 0, 800, 600));
    EXPECT_EQ(host.display.presents, presents);

    // Shown at once: the picture at the same place, the old screen around it.
    ASSERT_TRUE(game.ShowBitmap(*picture, true));
    EXPECT_TRUE(showsBlock(screen(), 80, 60, 640, 480, *picture, 0, 0));
    EXPECT_TRUE(sameRegion(screen(), *before, 0, 0, 800, 60));
    EXPECT_TRUE(sameRegion(screen(), *before, 720, 60, 800, 540));
    EXPECT_GT(host.display.presents, presents);

    // Odd margins round to even (1.5 and 3.5 give 2 and 4).
    const auto odd = patterned(797, 593, 21);
    ASSERT_TRUE(game.ShowBitmap(*odd, false));
    EXPECT_TRUE(showsBlock(back, 2, 4, 797, 593, *odd, 0, 0));
    EXPECT_TRUE(sameRegion(back, *black, 0, 0, 2, 600));

    // Wider than the screen: centred at x = -100 and clipped, on both surfaces.
    const auto wide = patterned(1000, 600, 22);
    ASSERT_TRUE(game.ShowBitmap(*wide, true));
    EXPECT_TRUE(showsBlock(back, 0, 0, 800, 600, *wide, 100, 0));
    EXPECT_TRUE(showsBlock(screen(), 0, 0, 800, 600, *wide, 100, 0));
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(PaintedGame, TitleScreenShowsHelpAndHighScores) {
    game.GameState = kTitle;
    game.SurfTitle = patterned(640, 480, 23);
    for (auto& row : game.HighScores) row = HighScoreEntry{"Dovi                ", 1000};
    game.HighScores[0] = HighScoreEntry{"Ann                 ", 500};
    game.HighScores[9] = HighScoreEntry{"   Bo               ", -5};
    ASSERT_TRUE(game.DrawFrame());

    // The same screen, put together here from the picture, the two panels and their lines.
    const auto expected = filled(800, 600, 0);
    expected->blt(Rect{80, 60, 720, 540}, *game.SurfTitle, Rect{0, 0, 640, 480}, false);
    const uint32_t white = rgb(255, 255, 255), yellow = rgb(255, 255, 0);
    expected->setFillStyle(FillStyle::Transparent);
    expected->setForeColour(yellow);
    expected->drawBox(5, 155, 200, 420);
    expected->drawBox(605, 155, 800, 420);
    const auto panelsOnly = filled(800, 600, 0);
    panelsOnly->copyAll(*expected);
    expected->setFont(game.FontMedium);
    expected->setForeColour(white);
    expected->drawText(10, 160, "Keyboard Help");
    expected->drawText(610, 160, "High Scores");
    expected->setForeColour(yellow);
    const char* help[] = {"F1 - Start Game",
                          "F2 - Options",
                          "Esc - Exit Game",
                          "P - Pause Game",
                          "",
                          "Left - Move Left ",
                          "Right - Move Right",
                          "Up/Space - Jump Up",
                          "Down - Jump Down",
                          "Shift/Ctrl - Shoot"};
    for (int i = 0; i < 10; ++i) expected->drawText(10, 200 + 20 * i, help[i]);
    for (int i = 0; i < 10; ++i) {
        expected->drawText(610, 200 + 20 * i, game.HighScores[i].Name);
        expected->drawText(720, 200 + 20 * i, i == 0 ? "500" : i == 9 ? "-5" : "1000");
    }
    ASSERT_FALSE(sameRegion(*expected, *panelsOnly, 0, 0, 800, 600)) << "the font draws nothing";
    EXPECT_TRUE(sameRegion(screen(), *expected, 0, 0, 800, 600));

    // A picture that cannot be shown leaves the screen as it was, and the frame still succeeds.
    const auto before = filled(800, 600, 0x4321);
    screen().copyAll(*before);
    game.GraphicsEngine = std::make_unique<VBGE>(host.display, host.messages);
    EXPECT_TRUE(game.DrawFrame());
    EXPECT_TRUE(sameRegion(screen(), *before, 0, 0, 800, 600));
    EXPECT_EQ(host.messages.shown.size(), 1u);
}

TEST_F(PaintedGame, WorldLayersTakeTheirFramesAndPlaces) {
    game.Scenery = 2;
    game.BombCount = 6;
    auto bomb = [&](int i, float x, float y, float frame, int16_t direction) -> BombRec& {
        game.Bombs[i] = BombRec{};
        game.Bombs[i].X = x, game.Bombs[i].Y = y, game.Bombs[i].Frame = frame,
        game.Bombs[i].Direction = direction;
        return game.Bombs[i];
    };
    bomb(0, -15.5f, 100, 2.7f, 1);
    bomb(1, 300.9f, 250, 2, 0);
    bomb(2, 400, 250, 0, 1).Hot = true;
    BombRec& flashing = bomb(3, 500, 250, 0, 1);
    flashing.Hot = true, flashing.FlashTime = 3;
    bomb(4, 600, 250, 0, 1).Dead = true;
    bomb(5, 700, -41, 0, 1);
    bomb(6, 200, 100, 0, 1);  // past BombCount
    game.Shots[0] = ShotRec{true, 100, 400, 3.2f, 0, -15};
    game.Shots[1] = ShotRec{false, 150, 400, 0, 1, 15};
    game.Shots[2] = ShotRec{true, 200, 400, 1, 1, 15};
    game.ItemCount = 2;
    game.Items[0] = ItemRec{200, 450, 240, 485, 5.5f, 13};
    game.Items[1] = ItemRec{300, 450, 340, 485, 1, 16};
    game.Items[2] = ItemRec{400, 450, 440, 485, 0, 12};
    game.CharInAir = 1, game.CharX = 600.7f, game.CharY = 300.2f, game.CharPose = 3, game.CharFacing = 1;
    ASSERT_TRUE(game.DrawFrame());

    const auto bg = backgroundScreen();
    const Surface& s = screen();
    EXPECT_TRUE(showsBlock(s, 400, 0, 200, 200, *game.SurfBackground, 200, 0));
    EXPECT_TRUE(showsBlock(s, 400, 400, 200, 200, *game.SurfBackground, 200, 0));
    // Drawn from x = -16 and clipped at the edge.
    EXPECT_TRUE(showsBlock(s, 0, 100, 24, 40, *game.SurfNormalBomb, 96, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 24, 100, 16, 40, *bg, 24, 100));
    EXPECT_TRUE(showsBlock(s, 300, 250, 40, 40, *game.SurfNormalBomb, 520, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 400, 250, 40, 40, *game.SurfHotBomb, 0, 0));
    EXPECT_TRUE(showsBlock(s, 500, 250, 40, 40, *game.SurfHitBomb, 0, 0));
    EXPECT_TRUE(showsBlock(s, 600, 250, 40, 40, *bg, 600, 250));
    EXPECT_TRUE(showsBlock(s, 700, 0, 40, 5, *bg, 700, 0));
    EXPECT_TRUE(showsBlock(s, 200, 100, 40, 40, *bg, 200, 100));
    EXPECT_TRUE(showsBlock(s, 100, 400, 20, 20, *game.SurfAmmoBall, 240, 0));
    EXPECT_TRUE(showsBlock(s, 150, 400, 20, 20, *bg, 150, 400));
    EXPECT_TRUE(showsBlock(s, 200, 400, 20, 20, *game.SurfAmmoBall, 20, 0));
    EXPECT_TRUE(showsBlock(s, 200, 450, 40, 35, *game.SurfCrystal, 200, 0));
    EXPECT_TRUE(showsBlock(s, 300, 450, 40, 35, *game.SurfDovi, 40, 0));
    EXPECT_TRUE(showsBlock(s, 400, 450, 40, 35, *bg, 400, 450));
    EXPECT_TRUE(showsBlock(s, 600, 300, 40, 36, *game.SurfCharacter, 520, 36, bg.get()));
    EXPECT_TRUE(showsBlock(s, 0, 480, 10, 100, *game.SurfBombExit, 10, 0));
    EXPECT_TRUE(showsBlock(s, 790, 480, 10, 100, *game.SurfBombExit, 0, 0));
    EXPECT_TRUE(sameRegion(s, *host.display.backBuffer(), 0, 0, 800, 600));

    // While the level ends the character is gone, and the rest is still drawn.
    game.EndDelay = 5;
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_TRUE(showsBlock(s, 600, 300, 40, 36, *bg, 600, 300));
    EXPECT_TRUE(showsBlock(s, 300, 250, 40, 40, *game.SurfNormalBomb, 520, 0, bg.get()));
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(PaintedGame, PlatformEndPiecesComeFromTheGrid) {
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
    const auto behind = std::make_shared<Surface>(800, 600);
    behind->copyAll(*bg);
    behind->blt(Rect{5, 190, 45, 226}, *game.SurfCharacter, Rect{0, 0, 40, 36}, true);
    EXPECT_TRUE(showsBlock(s, 0, 200, 50, 20, sheet, 50, 40, behind.get()));
    EXPECT_TRUE(showsBlock(s, 50, 200, 50, 20, sheet, 100, 40, bg.get()));
    EXPECT_TRUE(showsBlock(s, 250, 240, 50, 20, sheet, 50, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 400, 280, 50, 20, sheet, 0, 80, bg.get()));
    EXPECT_TRUE(showsBlock(s, 450, 280, 50, 20, sheet, 100, 80, bg.get()));
    EXPECT_TRUE(showsBlock(s, 750, 320, 50, 20, sheet, 0, 20, bg.get()));
    EXPECT_TRUE(showsBlock(s, 150, 360, 50, 20, sheet, 50, 60, bg.get()));
    EXPECT_TRUE(showsBlock(s, 200, 360, 50, 20, *bg, 200, 360));

    // In the air it is in front.
    game.CharInAir = 1;
    EXPECT_EQ(s.pixel(11, 205), sheet.pixel(61, 45));
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_EQ(s.pixel(11, 205), game.SurfCharacter->pixel(6, 15));
}

TEST_F(PaintedGame, PiecesAtRestAreNotDrawn) {
    ParticleSystem& p = game.ParticleSystems[0];
    p.Active = true, p.Picture = game.SurfCharacter.get();
    p.PieceWidth = 2, p.PieceHeight = 3, p.CountX = 2, p.CountY = 2;
    p.Particles[0][0] = Particle{300, 300, 0, 0};
    p.Particles[1][0] = Particle{400.5f, 300.5f, 1, 0};  // ties round to even
    p.Particles[0][1] = Particle{401.5f, 350.5f, 0, -1};
    p.Particles[1][1] = Particle{450.4f, 349.6f, -2, 0};
    game.ParticleSystems[1] = p;
    game.ParticleSystems[1].Active = false;
    game.ParticleSystems[1].Particles[1][0].X = 500;
    ASSERT_TRUE(game.DrawFrame());

    const auto bg = backgroundScreen();
    const Surface& s = screen();
    EXPECT_TRUE(showsBlock(s, 300, 300, 2, 3, *bg, 300, 300));
    EXPECT_TRUE(showsBlock(s, 400, 300, 2, 3, *game.SurfCharacter, 2, 0, bg.get()));
    EXPECT_TRUE(showsBlock(s, 402, 350, 2, 3, *game.SurfCharacter, 0, 3, bg.get()));
    EXPECT_TRUE(showsBlock(s, 450, 350, 2, 3, *game.SurfCharacter, 2, 3, bg.get()));
    EXPECT_TRUE(showsBlock(s, 500, 300, 2, 3, *bg, 500, 300));
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

    // The same line drawn here, and once more without any text: the empty speed slot, then the
    // jumps, seconds and seconds, each number inside its picture.
    const auto expected = backgroundScreen();
    const auto noText = backgroundScreen();
    expected->setFont(game.FontLarge);
    expected->setForeColour(rgb(255, 255, 255));
    expected->drawText(12, 32, "Score: -120");
    expected->setFont(game.FontMedium);
    expected->setForeColour(rgb(255, 255, 0));
    expected->drawText(150, 32, "Level 3: Caves");
    expected->setFont(game.FontSmall);
    expected->setFillStyle(FillStyle::Transparent);
    noText->setForeColour(rgb(255, 255, 0));
    noText->setFillStyle(FillStyle::Transparent);
    const std::tuple<int, const Surface*, const char*> slots[] = {{645, game.SurfHighJump.get(), "3"},
                                                                  {690, game.SurfInvulnerable.get(), "9"},
                                                                  {735, game.SurfShoot.get(), "0"}};
    for (const auto& [x, sheet, number] : slots) {
        expected->blt(Rect{x, 5, x + 40, 40}, *sheet, Rect{80, 0, 120, 35}, true);
        noText->blt(Rect{x, 5, x + 40, 40}, *sheet, Rect{80, 0, 120, 35}, true);
        expected->drawText(x + 2, 26, number);
        expected->drawBox(x, 5, x + 40, 40);
        noText->drawBox(x, 5, x + 40, 40);
    }
    ASSERT_FALSE(sameRegion(*expected, *noText, 0, 30, 640, 80)) << "the font draws nothing";
    for (int x : {645, 690, 735}) ASSERT_FALSE(sameRegion(*expected, *noText, x, 5, x + 40, 40)) << x;
    EXPECT_TRUE(sameRegion(s, *expected, 0, 30, 800, 80));
    EXPECT_TRUE(sameRegion(s, *expected, 600, 0, 800, 45));
    EXPECT_TRUE(showsBlock(s, 600, 0, 45, 45, *bg, 600, 0));

    // No health, no icons.
    game.Health = 0;
    ASSERT_TRUE(game.DrawFrame());
    EXPECT_TRUE(showsBlock(s, 0, 0, 200, 30, *bg, 0, 0));
}

TEST_F(PaintedGame, DrawingFailuresAreReported) {
    // A level outside the grid is the frame's error: reported, and the screen keeps its frame.
    game.Level = 0;
    const int presents = host.display.presents;
    EXPECT_FALSE(game.DrawFrame());
    EXPECT_EQ(host.display.presents, presents);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0], "Game - DrawGameFrame - Subscript out of range");

    game.Initialized = false;
    EXPECT_FALSE(game.DrawFrame());
    EXPECT_EQ(host.messages.shown.back(), "Game - DrawFrame - Not initialized.");
}

}  // namespace
}  // namespace vorn::test

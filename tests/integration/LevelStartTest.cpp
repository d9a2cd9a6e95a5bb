// Laying a level out: scenery, the character's reset, platforms, items and bombs from the
// grid, and the "Next Level" screen with its sound and its wait.
#include <gtest/gtest.h>

#include <cmath>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class LevelStart : public ::testing::Test {
protected:
    PlayFixture play;
    Game& game = play.game;
};

std::vector<int> sceneriesOfNextStarts(PlayFixture& play, int count) {
    std::vector<int> sceneries;
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(play.game.StartNextLevel());
        sceneries.push_back(play.game.Scenery);
    }
    return sceneries;
}

TEST_F(LevelStart, SceneryComesFromTheLevelNumberBeforeItWrapsRound) {
    play.useLevels(12, PlayFixture::emptyGrid());
    game.Level = 0;
    EXPECT_EQ(sceneriesOfNextStarts(play, 14), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 1}));
    EXPECT_EQ(game.Level, 2);

    play.useLevels(50, PlayFixture::emptyGrid());
    game.Level = 0;
    const std::vector<int> fifty = sceneriesOfNextStarts(play, 52);
    for (int level = 1; level <= 50; ++level) EXPECT_EQ(fifty[level - 1], (level - 1) / 10 + 1) << level;
    EXPECT_EQ(fifty[50], 6) << "the wrap from level 50 to level 1";
    EXPECT_EQ(fifty[51], 1);
    EXPECT_EQ(game.Level, 2);
}

TEST_F(LevelStart, FewerThanFiveLevelsCannotStart) {
    play.useLevels(4, PlayFixture::emptyGrid());
    game.Level = 2;
    game.EndDelay = 40;
    game.CharX = 300.0f;
    play.messages().clear();
    EXPECT_FALSE(game.StartNextLevel());
    EXPECT_EQ(play.messages(), (std::vector<std::string>{"Game - StartNextLevel - Division by zero"}));
    EXPECT_EQ(game.Level, 3) << "the level has already moved on";
    EXPECT_EQ(game.EndDelay, 0);
    EXPECT_EQ(game.CharX, 300.0f) << "nothing after the division is done";
}

TEST_F(LevelStart, ALevelStartBeforeInitializeFails) {
    HeadlessPlatform host;
    host.messages.echoToStderr = false;
    Game fresh(host.platform());
    fresh.abandonWithoutSaving();
    EXPECT_FALSE(fresh.StartNextLevel());
    EXPECT_EQ(host.messages.shown, (std::vector<std::string>{"Game - StartNextLevel - Not initialized."}));
    EXPECT_EQ(fresh.Level, 0);
}

TEST_F(LevelStart, PlatformsAndItemsAreLaidOutRowByRowFromTheGrid) {
    Grid grid = PlayFixture::emptyGrid();
    grid[0] = "B              I";
    grid[20] = "  ^>!*L  $";
    grid[28] = "   $";
    grid[29] = "G  M           S";
    ASSERT_TRUE(play.startLevel(1, grid));

    struct Expected {
        int16_t kind;
        Rect rect;
    };
    const Expected platforms[] = {{3, {10, 2, 40, 17}},
                                  {4, {760, 2, 790, 17}},
                                  {0, {10, 582, 40, 597}},
                                  {2, {160, 582, 190, 597}},
                                  {1, {760, 593, 790, 597}}};
    ASSERT_EQ(game.PlatformCount, 5);
    for (int p = 0; p < 5; ++p) {
        const PlatformRec& rec = game.Platforms[p];
        EXPECT_EQ(rec.Kind, platforms[p].kind) << p;
        EXPECT_EQ((Rect{rec.Left, rec.Top, rec.Right, rec.Bottom}), platforms[p].rect) << p;
    }

    const int16_t itemKinds[] = {10, 11, 12, 14, 15, 13, 13};
    ASSERT_EQ(game.ItemCount, 7);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(game.Items[k].Kind, itemKinds[k]) << k;
    const ItemRec& crystal = game.Items[6];
    EXPECT_EQ((Rect{crystal.Left, crystal.Top, crystal.Right, crystal.Bottom}), (Rect{155, 543, 195, 578}));
    EXPECT_EQ((Rect{game.Items[0].Left, game.Items[0].Top, game.Items[0].Right, game.Items[0].Bottom}),
              (Rect{105, 383, 145, 418}));
    EXPECT_EQ(game.CrystalCount, 2);
    EXPECT_FALSE(game.LevelHasDovi);

    bool framesDiffer = false;
    for (int k = 0; k < game.ItemCount; ++k) {
        const float frame = game.Items[k].Frame;
        EXPECT_TRUE(frame >= 0.0f && frame <= 15.0f && frame == std::floor(frame)) << frame;
        framesDiffer = framesDiffer || frame != game.Items[0].Frame;
    }
    EXPECT_TRUE(framesDiffer) << "items start at random frames";

    // Dovi stands 10 pixels lower than any other item; the next level forgets it again.
    grid = PlayFixture::emptyGrid();
    grid[28] = "   C";
    ASSERT_TRUE(play.startLevel(2, grid));
    ASSERT_EQ(game.ItemCount, 1);
    EXPECT_EQ((Rect{game.Items[0].Left, game.Items[0].Top, game.Items[0].Right, game.Items[0].Bottom}),
              (Rect{155, 553, 195, 588}));
    EXPECT_TRUE(game.LevelHasDovi);
    EXPECT_EQ(game.CrystalCount, 0);
    game.DoviRescued = true;
    ASSERT_TRUE(play.startLevel(3, PlayFixture::emptyGrid()));
    EXPECT_FALSE(game.LevelHasDovi);
    EXPECT_FALSE(game.DoviRescued);
    EXPECT_EQ(game.ItemCount, 0);
}

TEST_F(LevelStart, AGridWithMoreThanAHundredPlatformsOrItemsIsCutOff) {
    Grid grid = PlayFixture::emptyGrid();
    for (int row = 0; row < 7; ++row) grid[row] = "GGGGGGGGGGGGGGGG";
    for (int row = 10; row < 17; ++row) grid[row] = "$$$$$$$$$$$$$$$$";
    ASSERT_TRUE(play.startLevel(1, grid));
    EXPECT_EQ(game.PlatformCount, 100);
    EXPECT_EQ(game.ItemCount, 100);
    EXPECT_EQ(game.CrystalCount, 100) << "only the crystals that were laid out can be taken";
    EXPECT_EQ(game.Platforms[99].Top, 6 * 20 + 2);
    EXPECT_EQ(game.Platforms[99].Left, 3 * 50 + 10);
}

TEST_F(LevelStart, TheCharacterAndTheLevelsCountersStartAfresh) {
    game.Health = 3;
    game.Score = 1234;
    game.CharInAir = 1;
    game.CharPose = 9;
    game.CharFacing = 0;
    game.CharVelX = game.CharVelY = 4.0f;
    game.HyperJumps = game.SpeedTime = game.InvulnerableTime = game.BallBlasterTime = 50;
    game.ShotDelay = 0;
    game.BlinkTime = 3;
    game.IdleAnim = 12.5f;
    game.EndDelay = 7;
    game.CrystalsTaken = 4;
    game.Shots[49].Active = true;
    game.ParticleSystems[14].Active = true;
    ASSERT_TRUE(play.startLevel(2, PlayFixture::emptyGrid()));

    EXPECT_EQ(game.Level, 2);
    EXPECT_EQ(game.Health, 3);
    EXPECT_EQ(game.Score, 1234);
    EXPECT_EQ(game.CharX, 5.0f);
    EXPECT_EQ(game.CharY, 534.0f);
    EXPECT_EQ(game.CharInAir, 0);
    EXPECT_EQ(game.CharPose, 0);
    EXPECT_EQ(game.CharFacing, 1);
    EXPECT_EQ(game.CharVelX, 0.0f);
    EXPECT_EQ(game.CharVelY, 0.0f);
    EXPECT_EQ(game.HyperJumps + game.SpeedTime + game.InvulnerableTime + game.BallBlasterTime, 0);
    EXPECT_EQ(game.ShotDelay, 6);
    EXPECT_EQ(game.BlinkTime, 0);
    EXPECT_EQ(game.IdleAnim, 0.0f);
    EXPECT_EQ(game.EndDelay, 0);
    EXPECT_EQ(game.CrystalsTaken, 0);
    EXPECT_FALSE(game.Shots[49].Active);
    EXPECT_FALSE(game.ParticleSystems[14].Active);
}

TEST_F(LevelStart, BombsComeTwoMoreEveryFourLevelsAndEnterOneByOne) {
    play.useLevels(50, PlayFixture::emptyGrid());
    const std::pair<int, int> counts[] = {{1, 2}, {4, 2}, {5, 4}, {8, 4}, {9, 6}, {49, 26}, {50, 26}};
    for (auto [level, bombs] : counts) {
        ASSERT_TRUE(play.startLevel(level));
        EXPECT_EQ(game.BombCount, bombs) << "level " << level;
    }

    // Shot-up bombs of an earlier level come back cold and whole.
    for (BombRec& b : game.Bombs) {
        b.Hot = b.Dead = true;
        b.Hits = 4;
        b.FlashTime = 3;
    }
    ASSERT_TRUE(play.startLevel(5));
    bool xDiffers = false;
    for (int b = 0; b < game.BombCount; ++b) {
        const BombRec& bomb = game.Bombs[b];
        EXPECT_EQ(bomb.Delay, b * 90);
        EXPECT_EQ(bomb.VelX, b % 2 == 0 ? 6.0f : -6.0f);
        EXPECT_EQ(bomb.Direction, b % 2 == 0 ? 1 : 0);
        EXPECT_EQ(bomb.Y, -300.0f);
        EXPECT_EQ(bomb.VelY, 0.0f);
        EXPECT_TRUE(bomb.X >= 0.0f && bomb.X <= 759.0f && bomb.X == std::floor(bomb.X)) << bomb.X;
        EXPECT_TRUE(bomb.Frame >= 0.0f && bomb.Frame <= 15.0f && bomb.Frame == std::floor(bomb.Frame));
        EXPECT_FALSE(bomb.Hot || bomb.Dead || bomb.Leaving);
        EXPECT_EQ(bomb.Hits + bomb.FlashTime, 0);
        xDiffers = xDiffers || bomb.X != game.Bombs[0].X;
    }
    EXPECT_EQ(game.Bombs[3].Delay, 270);
    EXPECT_TRUE(xDiffers);

    // InitBomb alone puts a bomb back above the screen and keeps what the shots did to it.
    BombRec& bomb = game.Bombs[3];
    bomb.Hot = true;
    bomb.Hits = 2;
    bomb.FlashTime = 4;
    bomb.Delay = 9;
    bomb.Leaving = true;
    bomb.X = -50.0f;
    bomb.Y = 500.0f;
    bomb.VelY = 7.0f;
    bomb.VelX = 2.5f;
    game.InitBomb(3);
    EXPECT_TRUE(bomb.Hot);
    EXPECT_EQ(bomb.Hits, 2);
    EXPECT_EQ(bomb.FlashTime, 4);
    EXPECT_EQ(bomb.Delay, 9);
    EXPECT_FALSE(bomb.Leaving);
    EXPECT_EQ(bomb.Y, -300.0f);
    EXPECT_EQ(bomb.VelY, 0.0f);
    EXPECT_EQ(bomb.VelX, -6.0f);
    EXPECT_EQ(bomb.Direction, 0);
    EXPECT_GE(bomb.X, 0.0f);
}

// Whether any pixel of the rectangle has the colour.
bool anyPixel(const Surface& s, int left, int top, int right, int bottom, uint32_t colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (s.pixel(x, y) == toRgb565(colour)) return true;
    return false;
}

TEST_F(LevelStart, TheNextLevelScreenShowsTheNameAndWaitsThreeSeconds) {
    game.LevelNames[1] = "The Second One";
    const int pumps = play.host.window.pumps;
    const int presents = play.host.display.presents;
    const uint64_t slept = play.host.clock.slept;
    play.played().clear();
    ASSERT_TRUE(play.startLevel(2, PlayFixture::emptyGrid()));

    EXPECT_EQ(play.host.window.pumps, pumps + 1) << "window messages are handled once";
    EXPECT_GT(play.host.display.presents, presents);
    EXPECT_EQ(play.host.clock.slept, slept + 3000);
    EXPECT_EQ(play.played(), (std::vector<std::string>{"GetReady"}));

    const Surface& screen = *play.host.display.primary();
    const uint32_t yellow = rgb(255, 255, 0), white = rgb(255, 255, 255);
    EXPECT_EQ(screen.pixel(190, 270), toRgb565(yellow)) << "the box's left side";
    EXPECT_EQ(screen.pixel(400, 200), toRgb565(yellow)) << "the box's top side";
    EXPECT_EQ(screen.pixel(100, 100), 0) << "black around the picture";
    EXPECT_TRUE(anyPixel(screen, 200, 210, 320, 230, white)) << "\"Next Level\" in white";
    EXPECT_FALSE(anyPixel(screen, 200, 210, 320, 228, yellow));
    EXPECT_TRUE(anyPixel(screen, 200, 232, 340, 255, yellow)) << "the level's name in yellow";
    // The get-ready picture is centred inside the box.
    const uint16_t pictureColour = game.SurfGetReady->pixel(0, 0);
    EXPECT_EQ(screen.pixel(400, 300), pictureColour);
}

TEST_F(LevelStart, DeveloperModeSkipsTheWaitAndSoundCanBeOff) {
    {
        PlayFixture dev(true);
        const uint64_t slept = dev.host.clock.slept;
        ASSERT_TRUE(dev.startLevel(1, PlayFixture::emptyGrid()));
        EXPECT_EQ(dev.host.clock.slept, slept);
        EXPECT_EQ(dev.played(), (std::vector<std::string>{"GetReady"}));
    }

    // Sound off: nothing plays, so a broken sound device cannot stop the level.
    play.host.sound.failPlay = true;
    game.SoundEffects = 0;
    play.played().clear();
    EXPECT_TRUE(play.startLevel(1, PlayFixture::emptyGrid()));
    EXPECT_TRUE(play.played().empty());

    // Sound on and failing: the level is laid out but the start reports failure without a
    // message of its own.
    game.SoundEffects = -1;
    play.messages().clear();
    Grid grid = PlayFixture::emptyGrid();
    grid[29] = "GG";
    const uint64_t slept = play.host.clock.slept;
    EXPECT_FALSE(play.startLevel(2, grid));
    EXPECT_EQ(game.PlatformCount, 2);
    EXPECT_EQ(play.host.clock.slept, slept) << "no wait after a failed sound";
    ASSERT_EQ(play.messages().size(), 1u);
    EXPECT_EQ(play.messages()[0].rfind("VBSE - PlaySound - ", 0), 0u) << play.messages()[0];
}

}  // namespace
}  // namespace vorn::test

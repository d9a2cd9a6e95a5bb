// The frame step as a whole: when it does nothing, how it fails, the pause and its key table,
// and the steps that are skipped after a failed sound.
#include <gtest/gtest.h>

#include <vector>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class FrameStep : public ::testing::Test {
protected:
    FrameStep() {
        Grid grid = PlayFixture::emptyGrid();
        grid[0] = "               $";
        grid[29] = "GGGGGGGGGGGGGGGG";
        if (!play.startLevel(1, grid)) ADD_FAILURE() << "the level did not start";
        play.clearBombs();
        play.standOn(play.platformAt(29, 7), 360.0f);
        play.messages().clear();
        play.played().clear();
    }
    // Scripts the keyboard: snapshot n (counted from the next one) sees P down when
    // pressed[n] is set; further snapshots see P up. Right is held throughout.
    void scriptP(std::vector<bool> pressed) {
        play.host.keyboard.beforeSnapshot = [pressed, n = size_t{0}](HeadlessKeyboard& k) mutable {
            k.releaseAll();
            k.press(key::Right);
            if (n < pressed.size() && pressed[n]) k.press(key::P);
            ++n;
        };
    }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(FrameStep, OnTheTitleScreenAFrameDoesNothing) {
    game.GameState = kTitle;
    game.KeyState[key::Left] = 0x80;
    play.host.keyboard.press(key::Right);
    const int snapshots = play.host.keyboard.snapshots;
    const float x = game.CharX;
    EXPECT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots, snapshots);
    EXPECT_EQ(game.KeyState[key::Left], 0x80);
    EXPECT_EQ(game.KeyState[key::Right], 0);
    EXPECT_EQ(game.CharX, x);
}

TEST_F(FrameStep, FailuresEndTheFrameWithOneMessageAtMost) {
    {
        HeadlessPlatform host;
        host.messages.echoToStderr = false;
        Game fresh(host.platform());
        fresh.abandonWithoutSaving();
        EXPECT_FALSE(fresh.DoFrame());
        EXPECT_EQ(host.messages.shown, (std::vector<std::string>{"Game - DoFrame - Not initialized."}));
    }

    // A keyboard that cannot be read: the input engine's own message, none of the frame's.
    play.host.keyboard.failRead = true;
    EXPECT_FALSE(game.DoFrame());
    ASSERT_EQ(play.messages().size(), 1u);
    EXPECT_EQ(play.messages()[0].rfind("VBIE - GetKeyboardState - ", 0), 0u);
    play.host.keyboard.failRead = false;

    // An error anywhere in the frame is shown once with the frame's prefix.
    play.messages().clear();
    game.SurfGameOver.reset();
    game.Health = 0;
    game.EndDelay = 1;
    for (HighScoreEntry& e : game.HighScores) e.Score = 30000;
    EXPECT_FALSE(game.DoFrame());
    EXPECT_EQ(play.messages(),
              (std::vector<std::string>{"Game - DoFrame - Object variable or With block variable not set"}));
}

TEST_F(FrameStep, AFailedSoundOfTheFrameSkipsTheRestOfIt) {
    play.host.sound.failPlay = true;
    game.SpeedTime = 10;
    game.CharPose = 4;

    // The jump.
    EXPECT_FALSE(play.frames(1, {key::Up}));
    EXPECT_EQ(game.CharInAir, 1);
    EXPECT_EQ(game.SpeedTime, 10) << "the power-up timers come later in the frame";
    EXPECT_EQ(game.CharPose, 4);
    EXPECT_EQ(game.CharY, 546.0f) << "not even the airborne step";

    // The drop.
    Grid grid = PlayFixture::emptyGrid();
    grid[0] = "               $";
    grid[20] = "GGGGGGGGGGGGGGGG";
    grid[29] = "GGGGGGGGGGGGGGGG";
    game.SoundEffects = 0;
    ASSERT_TRUE(play.startLevel(1, grid));
    game.SoundEffects = -1;
    play.clearBombs();
    play.standOn(play.platformAt(20, 7), 360.0f);
    EXPECT_FALSE(play.frames(1, {key::Down}));
    EXPECT_EQ(game.CharY, 368.0f);

    // The bounce.
    grid[20] = "BBBBBBBBBBBBBBBB";
    game.SoundEffects = 0;
    ASSERT_TRUE(play.startLevel(1, grid));
    game.SoundEffects = -1;
    play.clearBombs();
    game.CharInAir = 1;
    game.CharY = 362.0f;
    game.CharVelY = 5.0f;
    EXPECT_FALSE(play.frames(1));
    EXPECT_EQ(game.CharY, 366.0f);
    EXPECT_EQ(game.CharVelY, -17.5f) << "no gravity after the failed bounce";

    // The level's end.
    game.CrystalsTaken = game.CrystalCount;
    EXPECT_FALSE(play.frames(1));
    EXPECT_EQ(game.EndDelay, 100) << "no count-down after the failed teleport";

    // With sound off, nothing fails.
    game.SoundEffects = 0;
    EXPECT_TRUE(play.frames(1));
}

TEST_F(FrameStep, TheFireDelayCountsDownOncePerFrameWhileTheCharacterPlays) {
    ASSERT_EQ(game.ShotDelay, 6);
    ASSERT_TRUE(play.frames(4));
    EXPECT_EQ(game.ShotDelay, 2);
    game.EndDelay = 50;
    ASSERT_TRUE(play.frames(2));
    EXPECT_EQ(game.ShotDelay, 2);
}

TEST_F(FrameStep, PIsPressedAndReleasedToPauseThenPressedAndReleasedToGoOn) {
    // Snapshot 0 is the frame's own; the pause's passes follow.
    scriptP({true, true, true, false, false, true, true, false});
    const int pumps = play.host.window.pumps;
    const uint64_t slept = play.host.clock.slept;
    const int snapshots = play.host.keyboard.snapshots;
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots - snapshots, 8);
    EXPECT_EQ(play.host.window.pumps - pumps, 7) << "messages are handled in every pass";
    EXPECT_EQ(play.host.clock.slept - slept, 60u) << "a short nap after every pass but the last";
    // The paused frame goes on with the keys it read before the pause.
    EXPECT_EQ(game.KeyState[key::P], 0x80);
    EXPECT_FLOAT_EQ(game.CharVelX, 2.75f);

    // Released at once and pressed once: the pause waits for the release.
    scriptP({true, false, true});
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots - snapshots, 8 + 4);
}

TEST_F(FrameStep, ThePauseEndsWhenTheWindowIsClosedOrTheKeyboardFails) {
    // P stays down; the window is closed during the second pass.
    int snapshots = 0;
    play.host.keyboard.beforeSnapshot = [&](HeadlessKeyboard& k) {
        k.press(key::P);
        if (++snapshots == 3) play.host.window.closed = true;
    };
    const int pumps = play.host.window.pumps;
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.window.pumps - pumps, 3);

    play.host.window.closed = false;
    int reads = 0;
    play.host.keyboard.beforeSnapshot = [&](HeadlessKeyboard& k) {
        k.press(key::P);
        k.failRead = ++reads == 3;
    };
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(play.messages().size(), 1u) << "the input engine's message";
}

}  // namespace
}  // namespace vorn::test

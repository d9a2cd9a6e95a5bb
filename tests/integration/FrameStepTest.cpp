// The frame step as a whole: when it does nothing, and the pause with its key table.
#include <gtest/gtest.h>

#include <vector>

#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class FrameStep : public ::testing::Test {
protected:
    FrameStep() {
        if (!play.startBare(PlayFixture::gridOf({{0, "               $"}, {29, std::string(16, 'G')}})))
            ADD_FAILURE() << "the level did not start";
        play.standOn(play.platformAt(29, 7), 360.0f);
    }
    // Scripts the keyboard: snapshot n (counted from the next one) sees P down when pressed[n]
    // is set, and Right throughout; the keyboard fails after the script, so a pause that
    // misses its end cannot hang the test.
    void scriptP(std::vector<bool> pressed) {
        play.host.keyboard.beforeSnapshot = [pressed, n = size_t{0}](HeadlessKeyboard& k) mutable {
            k.releaseAll();
            k.press(key::Right);
            if (n < pressed.size() && pressed[n]) k.press(key::P);
            k.failRead = ++n > pressed.size();
        };
    }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(FrameStep, PIsPressedAndReleasedToPauseThenPressedAndReleasedToGoOn) {
    // Snapshot 0 is the frame's own; the pause's passes follow.
    scriptP({true, true, true, false, false, true, true, false});
    play.host.keyboard.snapshots = 0;
    const int pumps = play.host.window.pumps;
    const uint64_t slept = play.host.clock.slept;
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots, 8);
    EXPECT_EQ(play.host.window.pumps - pumps, 7) << "messages are handled in every pass";
    EXPECT_EQ(play.host.clock.slept - slept, 60u) << "a short nap after every pass but the last";
    EXPECT_EQ(game.KeyState[key::P], 0x80) << "the paused frame goes on with the keys read before";
    EXPECT_FLOAT_EQ(game.CharVelX, 2.75f);

    // Released at once and pressed once: the pause waits for the release.
    scriptP({true, false, true, false});
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots, 8 + 4);
    EXPECT_TRUE(play.messages().empty());
}

TEST_F(FrameStep, LeavingTheWindowPausesAsPDoesAndPResumes) {
    // The window has lost the focus: the frame's own snapshot holds Right but no P, then the
    // pause waits for a press and release of P.
    play.host.window.focused = false;
    scriptP({false, false, false, true, false});
    play.host.keyboard.snapshots = 0;
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots, 5);
    EXPECT_FLOAT_EQ(game.CharVelX, 2.75f) << "the paused frame went on";
    EXPECT_TRUE(play.messages().empty());

    // Back in the window, play goes on without a pause.
    play.host.window.focused = true;
    scriptP({false});
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots, 5 + 1);
}

TEST_F(FrameStep, ThePauseEndsWhenTheWindowIsClosed) {
    // P stays down; the window is closed during the second pass. The keyboard gives up a few
    // passes later, so a pause that missed the close cannot hang the test.
    play.host.keyboard.snapshots = 0;
    play.host.keyboard.beforeSnapshot = [&](HeadlessKeyboard& k) {
        k.press(key::P);
        play.host.window.closed = k.snapshots == 2;
        k.failRead = k.snapshots > 5;
    };
    ASSERT_TRUE(game.DoFrame());
    EXPECT_EQ(play.host.keyboard.snapshots, 3);
    EXPECT_TRUE(play.messages().empty()) << "ended by the close, not by the keyboard";
}

}  // namespace
}  // namespace vorn::test

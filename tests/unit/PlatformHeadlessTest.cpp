// The headless platform that the other suites run the game on: what it records and scripts
// must be what happened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Error.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

TEST(PlatformHeadless, TheKeyboardHandsOverTheKeysSetAndCanBeScriptedOrMadeToFail) {
    HeadlessPlatform hp;
    Keyboard& keyboard = hp.platform().keyboard;
    keyboard.open();
    hp.keyboard.press(0x2A);
    hp.keyboard.press(0xCD);
    uint8_t state[256];
    keyboard.snapshot(state);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(state[i], i == 0x2A || i == 0xCD ? 0x80 : 0) << i;

    // A script runs before every snapshot, so a test can change keys frame by frame.
    int frame = 0;
    hp.keyboard.beforeSnapshot = [&](HeadlessKeyboard& k) {
        k.releaseAll();
        if (++frame == 2) k.press(0x19);
    };
    keyboard.snapshot(state);
    EXPECT_EQ(state[0x2A], 0);
    EXPECT_EQ(state[0x19], 0);
    keyboard.snapshot(state);
    EXPECT_EQ(state[0x19], 0x80);
    EXPECT_EQ(hp.keyboard.snapshots, 3);

    hp.keyboard.failRead = true;
    state[0] = 0x55;
    EXPECT_THROW(keyboard.snapshot(state), VornError);
    EXPECT_EQ(state[0], 0x55);
    hp.keyboard.failOpen = true;
    EXPECT_THROW(keyboard.open(), VornError);
}

TEST(PlatformHeadless, SoundsAreDecodedOnLoadAndRecordedWhenPlayed) {
    test::DataDir dir(true);
    dir.write("Jump.wav", test::waveBytes());
    dir.write("Boing.wav", test::waveBytes());
    dir.write("Broken.wav", "RIFF----WAVEnothing");
    HeadlessPlatform hp;
    SoundDevice& sound = hp.platform().sound;
    sound.open();
    SoundRef jump = sound.load("Jump.wav", false);
    SoundRef boing = sound.load("Boing.wav", true);
    sound.play(*jump);
    sound.play(*boing);
    sound.play(*jump);
    EXPECT_EQ(hp.sound.played, std::vector<std::string>({"Jump", "Boing", "Jump"}));
    ASSERT_EQ(hp.sound.loads.size(), 2u);
    EXPECT_FALSE(hp.sound.loads[0].second);
    EXPECT_TRUE(hp.sound.loads[1].second);

    try {
        sound.load("Missing.wav", false);
        FAIL() << "a missing file loaded";
    } catch (const VornError& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
    }
    EXPECT_THROW(sound.load("Broken.wav", false), VornError);
    hp.sound.failPlay = true;
    EXPECT_THROW(sound.play(*jump), VornError);
    EXPECT_EQ(hp.sound.played.size(), 3u);
}

TEST(PlatformHeadless, TheWindowDeliversQueuedKeysInOrderOnlyWhenPumped) {
    HeadlessPlatform hp;
    std::vector<int> keys;
    hp.platform().window.setKeyDownHandler([&](int vk) { keys.push_back(vk); });
    hp.window.queueKeyDown(112);
    hp.window.queueKeyDown(27);
    EXPECT_TRUE(keys.empty());
    hp.platform().window.pumpMessages();
    EXPECT_EQ(keys, std::vector<int>({112, 27}));
    hp.platform().window.pumpMessages();
    EXPECT_EQ(keys.size(), 2u);
    EXPECT_EQ(hp.window.pumps, 2);

    // A key handled while pumping may queue another, which the same pump delivers.
    hp.window.setKeyDownHandler([&](int vk) {
        keys.push_back(vk);
        if (vk == 113) hp.window.queueKeyDown(27);
    });
    hp.window.queueKeyDown(113);
    hp.platform().window.pumpMessages();
    EXPECT_EQ(keys, std::vector<int>({112, 27, 113, 27}));

    hp.messages.echoToStderr = false;
    hp.platform().messages.show("VBIE - Initialize - no keyboard");
    EXPECT_EQ(hp.messages.shown, std::vector<std::string>({"VBIE - Initialize - no keyboard"}));

    Clock& clock = hp.platform().clock;
    const uint32_t start = clock.milliseconds();
    clock.sleep(18);
    EXPECT_EQ(clock.milliseconds(), start + 18);
    EXPECT_EQ(hp.clock.slept, 18u);
}

class Scripted : public Dialog {
public:
    std::string caption() const override { return "Scripted"; }
    int clientWidthTwips() const override { return 1500; }
    int clientHeightTwips() const override { return 1500; }
    void onActivate() override { ++activations; }
    int activations = 0;
};

TEST(PlatformHeadless, DialogsActivateAndRunTheirScriptAtEveryShowing) {
    HeadlessPlatform hp;
    Scripted dialog;
    dialog.unload();
    std::vector<int> seen;
    hp.dialogs.script = [&](Dialog& d) {
        // Each showing starts loaded and activated.
        seen.push_back(static_cast<Scripted&>(d).activations * 10 + (d.unloaded() ? 1 : 0));
        d.unload();
    };
    hp.platform().dialogs.runModal(dialog);
    hp.platform().dialogs.runModal(dialog);
    EXPECT_EQ(seen, std::vector<int>({10, 20}));
    EXPECT_EQ(hp.dialogs.runs, 2);

    // The pointer count of the original: shown while zero or more.
    Cursor& cursor = hp.platform().cursor;
    EXPECT_EQ(cursor.showCursor(false), -1);
    EXPECT_EQ(cursor.showCursor(true), 0);
    EXPECT_EQ(cursor.showCursor(true), 1);

    Display& display = hp.platform().display;
    display.open(800, 600, 16);
    EXPECT_NE(display.primary(), display.backBuffer());
    EXPECT_EQ(display.primary()->width(), 800);
    display.presentPrimary();
    EXPECT_EQ(hp.display.presents, 1);
    hp.display.failOpen = true;
    EXPECT_THROW(display.open(800, 600, 16), VornError);
}

}  // namespace
}  // namespace vorn

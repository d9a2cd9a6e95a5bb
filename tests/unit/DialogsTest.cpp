// The options dialog and the name dialog, answered by scripts as a player would answer them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn::test {
namespace {

class Dialogs : public ::testing::Test {
protected:
    Dialogs() {
        host.messages.echoToStderr = false;
        game.abandonWithoutSaving();
        game.Initialized = true;
    }
    // Runs the script as the player's answer to the next dialog.
    void answer(std::function<void(Dialog&)> script) { host.dialogs.script = std::move(script); }

    HeadlessPlatform host;
    Game game{host.platform()};
};

TEST_F(Dialogs, OptionsChangeOnlyByOkAndMusicNeverChanges) {
    // Activation shows the options; the music box is there but cannot be used.
    answer([](Dialog& d) {
        EXPECT_EQ(d.caption(), "Vorn! Options");
        EXPECT_EQ(d.find("chkSoundEffects")->value, 1);
        const Control& music = *d.find("chkMusic");
        EXPECT_EQ(music.value, 1);
        EXPECT_FALSE(music.enabled);
        EXPECT_GT(music.top + music.height, d.clientHeightTwips());
        EXPECT_TRUE(d.find("cmdOK")->isDefault);
        EXPECT_FALSE(d.find("cmdCancel")->isDefault);
        d.find("chkSoundEffects")->value = 0;
        d.onClick("cmdOK");
    });
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, 0);
    EXPECT_EQ(game.Music, -1);
    EXPECT_EQ(host.cursor.count, 0);

    // Shown again it starts from the current values; Cancel and the window's frame keep them.
    answer([](Dialog& d) {
        EXPECT_EQ(d.find("chkSoundEffects")->value, 0);
        d.find("chkSoundEffects")->value = 1;
        d.onClick("cmdCancel");
    });
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, 0);
    answer(nullptr);
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, 0);
    EXPECT_EQ(host.dialogs.runs, 3);

    // Values as read from the file survive Cancel exactly; OK hands back -1 or 0, music as it was.
    game.SoundEffects = 1, game.Music = 1;
    answer([](Dialog& d) { d.onClick("cmdCancel"); });
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, 1);
    EXPECT_EQ(game.Music, 1);
    answer([](Dialog& d) { d.onClick("cmdOK"); });
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, -1);
    EXPECT_EQ(game.Music, -1);
    game.Music = 0;
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.Music, 0);
    EXPECT_TRUE(host.messages.shown.empty());
    EXPECT_EQ(host.cursor.count, 0);
}

TEST_F(Dialogs, NameEntryStartsEmptyAndKeepsTheLastConfirmedName) {
    // Closing the first dialog of the run by its frame gives an empty name.
    std::string name = "Old row name";
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "");

    auto type = [&](std::string text) {
        answer([text](Dialog& d) {
            EXPECT_EQ(d.caption(), "High Score!");
            EXPECT_EQ(d.focusOnActivate(), "txtName");
            Control& box = *d.find("txtName");
            EXPECT_EQ(box.text, "");
            EXPECT_EQ(box.maxLength, 20);
            EXPECT_TRUE(d.find("cmdOK")->isDefault);
            box.text = text;
            d.onClick("cmdOK");
        });
    };
    type("Bob");
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "Bob");
    type("  Al  ");
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "  Al  ");

    // A later dialog closed by its frame gives the previous player's name.
    answer(nullptr);
    name = "ignored";
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "  Al  ");

    type("");
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "");

    // A pasted text longer than the box keeps its first 20 characters, not bytes.
    type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "abcdefghijklmnopqrst");
    type("ééééééééééééééééééééééé");
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "éééééééééééééééééééé");
    EXPECT_EQ(host.cursor.count, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(Dialogs, DialogsBeforeInitializeAreReported) {
    game.Initialized = false;
    game.SoundEffects = 1;
    std::string name = "Kept";
    answer([](Dialog& d) { d.onClick("cmdOK"); });
    EXPECT_FALSE(game.ShowOptions());
    EXPECT_FALSE(game.AskForName(name));
    EXPECT_EQ(game.SoundEffects, 1);
    EXPECT_EQ(name, "Kept");
    EXPECT_EQ(host.dialogs.runs, 0);
    // The pointer stays shown after such a failure.
    EXPECT_EQ(host.cursor.count, 2);
    ASSERT_EQ(host.messages.shown.size(), 2u);
    EXPECT_EQ(host.messages.shown[0], "Game - ShowOptions - Not initialized.");
    EXPECT_EQ(host.messages.shown[1], "Game - AskForName - Not initialized.");
}

}  // namespace
}  // namespace vorn::test

// The options dialog and the name dialog, answered by scripts as a player would answer them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "forms/frmOptions.h"
#include "forms/frmHighScore.h"

namespace vorn::test {
namespace {

class Dialogs : public ::testing::Test {
protected:
    Dialogs() {
        host.messages.echoToStderr = false;
        game.abandonWithoutSaving();
        game.Initialized = true;
    }
    // Runs the script as the player's answer to the next dialog; none closes it by its frame.
    void answer(std::function<void(Dialog&)> script) { host.dialogs.script = std::move(script); }

    HeadlessPlatform host;
    Game game{host.platform()};
};

TEST_F(Dialogs, OnlyOkChangesTheSoundEffectsAndTheMusicNeverChanges) {
    // The music box is there but cannot be used.
    answer([](Dialog& d) {
        EXPECT_EQ(d.caption(), "Vorn! Options");
        EXPECT_EQ(d.control(frmOptions::kSoundEffects).value, 1);
        EXPECT_EQ(d.control(frmOptions::kMusic).value, 1);
        EXPECT_FALSE(d.control(frmOptions::kMusic).enabled);
        EXPECT_TRUE(d.control(frmOptions::kOK).isDefault);
        d.control(frmOptions::kSoundEffects).value = 0;
        d.onClick(frmOptions::kOK);
    });
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, 0);
    EXPECT_EQ(game.Music, -1);

    // Cancel and the window's frame keep what the dialog was given, exactly as read from the file.
    auto tick = [](const char* button) {
        return [button](Dialog& d) {
            d.control(frmOptions::kSoundEffects).value = 1;
            if (button) d.onClick(button);
        };
    };
    game.SoundEffects = 0, game.Music = 1;
    for (const char* button : {"cmdCancel", static_cast<const char*>(nullptr)}) {
        answer(tick(button));
        EXPECT_TRUE(game.ShowOptions());
        EXPECT_EQ(game.SoundEffects, 0);
        EXPECT_EQ(game.Music, 1);
    }
    answer(tick("cmdOK"));
    EXPECT_TRUE(game.ShowOptions());
    EXPECT_EQ(game.SoundEffects, -1);
    EXPECT_EQ(game.Music, -1);
    EXPECT_EQ(host.dialogs.runs, 4);
    EXPECT_EQ(host.cursor.count, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(Dialogs, TheNameBoxStartsEmptyEveryTimeAndTakesTwentyCharacters) {
    // Closing the first dialog of the run by its frame gives an empty name.
    std::string name = "Old row name";
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "");

    auto type = [&](std::string text) {
        answer([text](Dialog& d) {
            EXPECT_EQ(d.caption(), "High Score!");
            Control& box = d.control(frmHighScore::kName);
            EXPECT_EQ(box.text, "");
            EXPECT_EQ(box.maxLength, 20);
            box.text = text;
            d.onClick(frmHighScore::kOK);
        });
        EXPECT_TRUE(game.AskForName(name));
    };
    type("  Al  ");
    EXPECT_EQ(name, "  Al  ");
    // A later dialog closed by its frame gives the previous player's name.
    answer(nullptr);
    name = "ignored";
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "  Al  ");
    type("");
    EXPECT_EQ(name, "");

    // A pasted text longer than the box keeps its first 20 characters, not bytes.
    type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(name, "abcdefghijklmnopqrst");
    type("ééééééééééééééééééééééé");
    EXPECT_EQ(name, "éééééééééééééééééééé");
    EXPECT_EQ(host.cursor.count, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

}  // namespace
}  // namespace vorn::test

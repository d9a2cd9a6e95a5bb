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
    // Runs the script as the player's answer to the next dialog; none closes it by its frame.
    void answer(std::function<void(Dialog&)> script) { host.dialogs.script = std::move(script); }

    HeadlessPlatform host;
    Game game{host.platform()};
};

TEST_F(Dialogs, OnlyOkChangesTheSoundEffectsAndTheMusicNeverChanges) {
    // The music box is there but cannot be used; Cancel and the window's frame keep what the
    // dialog was given, exactly as read from the file.
    game.SoundEffects = 0, game.Music = 1;
    for (const std::string_view button : {frmOptions::kCancel, std::string_view(), frmOptions::kOK}) {
        answer([button](Dialog& d) {
            EXPECT_EQ(d.caption(), "Vorn! Options");
            EXPECT_FALSE(d.control(frmOptions::kMusic).enabled);
            d.control(frmOptions::kSoundEffects).value = 1;
            if (!button.empty()) d.onClick(button);
        });
        EXPECT_TRUE(game.ShowOptions());
        const bool ok = button == frmOptions::kOK;
        EXPECT_EQ(game.SoundEffects, ok ? -1 : 0) << (button.empty() ? "the frame" : button);
        EXPECT_EQ(game.Music, ok ? -1 : 1) << (button.empty() ? "the frame" : button);
    }
    EXPECT_EQ(host.cursor.count, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(Dialogs, TheNameBoxStartsEmptyEveryTimeAndTakesTwentyCharacters) {
    // Closing the first dialog of the run by its frame gives an empty name; a later one, the
    // previous player's name.
    std::string name = "Old row name";
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "");
    auto type = [&](std::string text) {
        answer([text](Dialog& d) {
            EXPECT_EQ(d.control(frmHighScore::kName).text, "");
            d.control(frmHighScore::kName).text = text;
            d.onClick(frmHighScore::kOK);
        });
        EXPECT_TRUE(game.AskForName(name));
        return name;
    };
    EXPECT_EQ(type("  Al  "), "  Al  ");
    answer(nullptr);
    EXPECT_TRUE(game.AskForName(name = "ignored"));
    EXPECT_EQ(name, "  Al  ");
    // A pasted text longer than the box keeps its first 20 characters, not bytes.
    EXPECT_EQ(type("ééééééééééééééééééééééé"), "éééééééééééééééééééé");
    EXPECT_EQ(host.cursor.count, 0);
}

}  // namespace
}  // namespace vorn::test

// The two modal dialogs over the running game: the options (F2) and the name for a new high
// score. The pointer shows while one is open; the dialog runner keeps it above the game.
#include "core/Error.h"
#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::ShowOptions() {
    platform.cursor.showCursor(true);
    return trapErrors(platform.messages, "Game - ShowOptions - ", [&] {
        if (!Initialized) raiseNotInitialized();
        if (!optionsForm_) optionsForm_ = std::make_unique<frmOptions>();
        frmOptions& form = *optionsForm_;
        form.load();
        form.bSoundEffects = SoundEffects;
        form.bMusic = Music;
        platform.dialogs.runModal(form);
        SoundEffects = form.bSoundEffects;
        Music = form.bMusic;
        platform.cursor.showCursor(false);
        return true;
    });
}

bool Game::AskForName(std::string& sName) {
    platform.cursor.showCursor(true);
    return trapErrors(platform.messages, "Game - AskForName - ", [&] {
        if (!Initialized) raiseNotInitialized();
        if (!highScoreForm_) highScoreForm_ = std::make_unique<frmHighScore>();
        frmHighScore& form = *highScoreForm_;
        // A fresh, empty box every time; the name passed in is not shown.
        form.load();
        platform.dialogs.runModal(form);
        sName = form.sName;
        platform.cursor.showCursor(false);
        return true;
    });
}

}  // namespace vorn

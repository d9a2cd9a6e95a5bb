// Plays a kept game back in the window at the game's own pace, drawn as in play with a small
// "Replay" marker: Escape ends it, P pauses it, and Tab held plays it four times as fast. A
// file that is damaged, foreign, or was made on another level set or under other rules is
// refused with a message box before anything is played. Once it ends the title screen is back,
// and the high-score table and the random generator are as they were before.
#pragma once

#include <array>
#include <filesystem>
#include <memory>

#include "core/Random.h"
#include "game/replay/ReplayPlayer.h"
#include "platform/Platform.h"

namespace vorn {

class ReplayViewer {
public:
    // `folder` is where the games are kept ("replays" beside the high scores).
    ReplayViewer(Game& game, Keyboard& keyboard, MessageBox& messages, std::filesystem::path folder);

    // Starts playing the replay in `file`; false when it was refused (the message is shown).
    [[nodiscard]] bool watch(const std::filesystem::path& file);
    // F3: the game of the table's top row when it is kept, else the last game, else nothing.
    [[nodiscard]] bool watchBest();
    bool watching() const { return player_ != nullptr; }
    const ReplayPlayer* player() const { return player_.get(); }

    // How many frames this pass of the main loop plays: four while Tab is held.
    int framesThisPass();
    // Before a frame: the commands due, and the end once every recorded frame is played.
    void beforeFrame();
    // After a frame: a game that stopped by itself ends the replay.
    void afterFrame();
    // Ends the replay (if one plays): back to the title screen, and what it changed put back.
    void stop();

private:
    Game& game_;
    Keyboard& keyboard_;
    MessageBox& messages_;
    std::filesystem::path folder_;
    std::unique_ptr<ReplayPlayer> player_;
    std::array<HighScoreEntry, kHighScoreRows> table_;
    Random::State random_;
};

}  // namespace vorn

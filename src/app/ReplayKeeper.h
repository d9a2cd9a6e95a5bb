// Every game played in the program is recorded, from its start to its end, and kept in the
// folder "replays" beside the high scores: the last game always as "last.vrep", and a game that
// entered the high-score table also under a name that says when it was played and its score.
// No replay is ever deleted here. A replay is an extra: one that cannot be kept costs a line
// on standard error and nothing else.
#pragma once

#include <filesystem>
#include <string>

#include "game/replay/ReplayRecorder.h"

namespace vorn {

class ReplayKeeper {
public:
    // `folder` is where the replays go ("replays" beside the high scores).
    ReplayKeeper(Game& game, std::filesystem::path folder);

    // Just before StartGame: a game still running ends as restarted, and the new one is
    // recorded from here.
    void gameStarting();
    // StartGame failed: there is no game to record.
    void gameDidNotStart();
    // A developer command acted on the game.
    void commandActed(int virtualKey);
    // The game was left: Escape (Left) or the program's end (Closed).
    void gameEnded(GameEnd how);
    // After every frame: a game that stopped by itself (lost or won) is kept.
    void afterFrame();

    const std::filesystem::path& folder() const { return folder_; }
    static constexpr const char* kLastGame = "last.vrep";

private:
    void keep(const Replay& replay);

    Game& game_;
    std::filesystem::path folder_;
    ReplayRecorder recorder_;
};

// "2026-12-07_18-30-12_score-1240.vrep": when the game started (local time) and its score.
std::string keptReplayName(const Replay& replay);

}  // namespace vorn

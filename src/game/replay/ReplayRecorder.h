// Records a game as it is played: the generator and the level set it starts from, the keys of
// every frame as runs, the developer commands between frames, the high-score name, and how it
// ended. Attached to the game as its PlayerInput, it only listens.
#pragma once

#include <cstdint>
#include <string>

#include "game/replay/Replay.h"
#include "game/state/PlayerInput.h"

namespace vorn {

class ReplayRecorder : public PlayerInput {
public:
    // Starts a recording of the game about to start. Call it just before StartGame, which is
    // the first to draw on the generator; `now` is seconds since 1970.
    void begin(const Game& game, const std::string& gameVersion, int64_t now);
    bool recording() const { return recording_; }

    void keysFor(uint32_t frame, uint8_t keyState[256]) override;
    bool nameFor(std::string& name) override;
    void named(const std::string& name) override;
    // A developer command (F5, F6, F7) acted on the game being recorded.
    void command(const Game& game, int virtualKey);

    // Ends the recording with the game as it is now.
    Replay finish(const Game& game, GameEnd how);
    void discard() { recording_ = false; }

private:
    Replay replay_;
    bool recording_ = false;
};

// How a game that stopped by itself ended.
GameEnd endOf(const Game& game);

}  // namespace vorn

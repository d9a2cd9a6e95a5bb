// Plays a recorded game again on the game's own frame step: it puts the generator back where
// the game started, gives every frame the recorded keys and the high-score dialog the recorded
// name, and applies the developer commands between the frames where they acted. Attached to
// the game as its PlayerInput; the player's own keyboard then only pauses.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "game/replay/Replay.h"
#include "game/state/PlayerInput.h"

namespace vorn {

class ReplayPlayer : public PlayerInput {
public:
    explicit ReplayPlayer(Replay replay);
    const Replay& replay() const { return replay_; }

    // Why `game` cannot play this replay (another level set, other rules), or empty.
    std::string refusal(const Game& game) const;
    // Puts the generator back and starts the game; false when it did not start.
    [[nodiscard]] bool start(Game& game);
    // Applies the developer commands recorded before the game's next frame, or after its last.
    void applyCommands(Game& game);
    // The recorded frames are all played, or the game stopped by itself.
    bool finished(const Game& game) const;

    void keysFor(uint32_t frame, uint8_t keyState[256]) override;
    bool nameFor(std::string& name) override;
    void named(const std::string& /*name*/) override {}

    // The first way the game, played to its end, differs from what the replay claims; empty
    // when it ends exactly as claimed. `stoppedByItself`: the game left play on its own.
    std::string difference(const Game& game, bool stoppedByItself) const;

private:
    Replay replay_;
    std::size_t run_ = 0;      // the key run of the next frame
    uint32_t intoRun_ = 0;     // frames of that run already played
    std::size_t command_ = 0;  // the next command to apply
    bool nameAsked_ = false;
};

// Plays the whole replay headless on an initialised game on its title screen, calling
// `afterFrame` after every frame; returns difference() at the end, or why a frame failed.
std::string playReplay(Game& game, ReplayPlayer& player, const std::function<void()>& afterFrame);

}  // namespace vorn

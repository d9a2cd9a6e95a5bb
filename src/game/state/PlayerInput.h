// The two places where a player's choices enter a game in play: the keys each frame is played
// with, and the name given to a new high score. A recorder listens to both; a replay answers
// both itself. No rule of the game depends on whether one is attached.
#pragma once

#include <cstdint>
#include <string>

namespace vorn {

class PlayerInput {
public:
    virtual ~PlayerInput() = default;
    // The keys frame `frame` of the game (counted from 0) is played with, after any pause;
    // a replay puts its own in their place.
    virtual void keysFor(uint32_t frame, uint8_t keyState[256]) = 0;
    // The name for a new high score: true when it is given here, and no dialog asks for it.
    virtual bool nameFor(std::string& name) = 0;
    // The name the dialog came back with.
    virtual void named(const std::string& name) = 0;
};

}  // namespace vorn

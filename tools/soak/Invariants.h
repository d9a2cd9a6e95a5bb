// What must hold after every frame of play, whatever keys were held: the character stays on the
// screen sideways and above the net that catches a fall through the floor; health never goes
// below 0 and its running out ends the game; the score never goes down; every count stays
// within its array; no error is raised; and a cleared level's end leads on to the next level.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorn {
class Game;
}

namespace vorn::soak {

class Invariants {
public:
    // The world just after a game was started at its level; what it breaks already, or "".
    std::string start(const Game& g, const std::vector<std::string>& messages);
    // The world after one more frame, whose DoFrame answered `frameOk`, with the message boxes
    // shown so far: the first invariant it breaks, described, or "" when all hold.
    std::string check(const Game& g, bool frameOk, const std::vector<std::string>& messages);

    int clears() const { return clears_; }  // count-downs of a cleared level that ran out

private:
    void remember(const Game& g);

    int16_t score_ = 0, level_ = 0, health_ = 0, endDelay_ = 0;
    bool hasDovi_ = false;
    int clears_ = 0;
};

}  // namespace vorn::soak

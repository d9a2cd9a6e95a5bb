// A whole game played through the real frame step, bombs and all, on ways the reach search
// finds from wherever the character is: every crystal of every level in turn, and Dovi last.
// A bomb never moves the character, so a way found without bombs plays the same with them;
// when the health runs low a developer's F7 tops it up between frames. The game is recorded,
// so its replay proves on every build that the fifty levels still play to the end.
#pragma once

#include <cstdint>
#include <string>

#include "LevelChecker.h"
#include "game/replay/Replay.h"

namespace vorn::levelcheck {

struct WholeGame {
    Replay replay;
    std::string error;  // empty when the game was won
};

// Plays on the levels of `checker`, with the generator seeded with `seed`.
WholeGame playWholeGame(LevelChecker& checker, uint64_t seed);

}  // namespace vorn::levelcheck

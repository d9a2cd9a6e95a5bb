// How hard each level of a set plays. The checker's way to every item is played back through
// the whole frame step with the bombs on, on several seeds, to see how often a player who takes
// it gets hit; the ways' lengths say how long the level keeps a player busy; and random-key soak
// runs say how long a player who does not know the level lasts there.
//
//   Difficulty difficulty(folder, 8);
//   LevelDifficulty row = difficulty.measure(checker.check(level));
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "LevelChecker.h"
#include "Session.h"
#include "Soak.h"

namespace vorn::levelcheck {

inline constexpr long kSoakFrames = 3000;  // a soak run survives when it lasts this long
inline constexpr double kSecondsPerFrame = 0.03;

struct LevelDifficulty {
    int level = 0;
    std::string name;
    int theme = 0;  // the scenery the level is played in, 1 for the first
    int bombs = 0;
    int crystals = 0;
    int routes = 0;             // items the checker found a way to
    double routesHit = 0;       // share of routes played, over every seed, that took a hit: 0 to 1
    double meanSeconds = 0;     // mean length of the ways
    double longestSeconds = 0;  // the longest way
    double survival = 0;        // share of soak runs that lasted kSoakFrames: 0 to 1
};

class Difficulty {
public:
    // Plays the levels of `folder`, which holds the level files, pictures and sounds: the way
    // to item k on seeds k * `seeds` + 1 to k * `seeds` + `seeds`, the soak runs on seeds 1 to
    // `seeds`.
    Difficulty(const std::filesystem::path& folder, int seeds);

    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }

    // `report` is the checker's report of one level, with its ways.
    LevelDifficulty measure(const LevelReport& report);

private:
    // Plays the way to item `item` of `level` from a new game; true when a bomb hit on the way.
    bool hitOnTheWay(uint64_t seed, int level, int item, const std::vector<uint8_t>& keys);

    sim::Session session_;
    soak::Soak soak_;
    int seeds_;
    bool ready_ = false;
    std::string error_;
};

// The table as comma-separated values with a header line, shares in percent.
void writeCsv(std::ostream& out, const std::vector<LevelDifficulty>& rows);
// The table for people, one level a line.
void writeTable(std::ostream& out, const std::vector<LevelDifficulty>& rows);

}  // namespace vorn::levelcheck

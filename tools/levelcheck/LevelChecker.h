// Proves, level by level, that every item of a level file can be touched from the start: the
// game is set up headless by its own start-up (so the levels come through its own loader),
// each level is laid out by its own level start with the bombs left out, and a Reach search
// moves the character with the game's own movement code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Mover.h"

namespace vorn {
class Game;
class HeadlessPlatform;
}  // namespace vorn

namespace vorn::levelcheck {

struct ItemReport {
    int16_t kind = 0;  // level code 10 to 16
    int row = 0, column = 0;
    bool reached = false;
    std::vector<uint8_t> keys;  // a way there, one entry of held keys per frame (Mover.h bits)
};

struct LevelReport {
    int level = 0;
    std::string name;
    std::vector<ItemReport> items;
    int positions = 0;  // places the character was found to come to rest or bounce at
    long frames = 0;    // frames simulated
    double seconds = 0;

    int count(int16_t kind) const;
    int reached(int16_t kind) const;
    // Every crystal, and Dovi where there is one, can be touched.
    bool finishable() const;
};

class LevelChecker {
public:
    // `levelsFile` and `namesFile` are copied, the program's pictures and sounds linked, into a
    // folder of the checker's own, where the game starts up; the folder goes with the checker.
    LevelChecker(const std::filesystem::path& levelsFile, const std::filesystem::path& namesFile,
                 const std::filesystem::path& programDir);
    ~LevelChecker();
    LevelChecker(const LevelChecker&) = delete;
    LevelChecker& operator=(const LevelChecker&) = delete;

    // False when the game did not start (the message is in error()).
    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }
    int levelCount() const;
    // The folder the game started in: the level files, pictures and sounds it read.
    const std::filesystem::path& folder() const { return folder_; }

    LevelReport check(int level);

    // The keys of a way on `level` from `body`, with the items of `gone` taken before, to the
    // item of `targets` that it reaches soonest; empty when none can be reached. Dovi, when
    // not a target, is kept clear of: touching him would end the game.
    std::vector<uint8_t> wayToNearest(int level, const Body& body, const ItemSet& gone,
                                      const ItemSet& targets);

private:
    std::filesystem::path folder_;
    std::unique_ptr<HeadlessPlatform> host_;
    std::unique_ptr<Game> game_;
    bool ready_ = false;
    std::string error_;
};

// "crystal", "high jump", ... for a level code.
std::string itemName(int16_t kind);

}  // namespace vorn::levelcheck

// Soak runs: the real frame step played headless with random but seeded keys on one level,
// with every invariant checked after every frame. One Soak starts the game up once and then
// plays any number of runs; each run is a new game, exactly as vorn-sim starts one, so the keys
// of a run replayed by `vorn-sim --seed S --level L --frames F --input FILE` give the same world.
//
//   soak::Soak soak(dataFolder);
//   soak::Run run = soak.run(seed, level, 3000);
//   if (run.survived()) ...
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "RandomKeys.h"
#include "Session.h"

namespace vorn::soak {

struct Run {
    enum class End {
        Survived,  // every frame played, the game still going
        Died,      // health ran out and the game ended
        Won,       // Dovi was rescued and the game ended
        Broken     // an invariant broke (in the last frame played)
    };
    End end = End::Survived;
    long frames = 0;    // frames played; a broken invariant at the level start is frame 0
    int clears = 0;     // levels cleared (reaching Dovi counts)
    int lastLevel = 0;  // the level in play at the end
    int score = 0;
    std::string broken;        // which invariant broke, described
    std::vector<KeySet> keys;  // the keys held, one entry per frame played

    bool survived() const { return end == End::Survived || end == End::Won; }
};

class Soak {
public:
    // The game starts up from the pictures, sounds and levels in `folder` (empty: the program's
    // own folder).
    explicit Soak(const std::filesystem::path& folder);

    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }  // why it is not ready
    int levelCount() const;
    const std::string& levelName(int level) const;

    // One game from `level` with the game and the keys seeded by `seed`, for at most `frames`
    // frames: until the game ends or an invariant breaks.
    Run run(uint64_t seed, int level, long frames);

    // The world as the last run left it, and the sounds of its last frame.
    const Game& game() const { return session_.game(); }
    const std::vector<std::string>& sounds() const { return session_.sounds(); }

private:
    sim::Session session_;
    bool ready_ = false;
    std::string error_;
};

// Writes held keys in vorn-sim's key-file form, one line per frame.
void writeKeyFile(std::ostream& out, const std::vector<KeySet>& keys);

}  // namespace vorn::soak

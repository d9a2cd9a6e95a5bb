// The headless simulator behind vorn-sim: loads the data as the game does, seeds the generator,
// plays frames from a script of held keys or from a replay and writes one JSON line per frame.
// Used for golden tests, level design, bug reports and proving a replay.
#pragma once

#include <climits>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "game/state/Game.h"

namespace vorn::sim {

// The keys of play a key file may hold, by the names it uses.
struct KeyName {
    const char* name;
    int code;
};
inline constexpr KeyName kKeyNames[] = {
    {"Left", key::Left},     {"Right", key::Right},   {"Up", key::Up},
    {"Down", key::Down},     {"Space", key::Space},   {"LCtrl", key::LCtrl},
    {"LShift", key::LShift}, {"RShift", key::RShift}, {"RCtrl", key::RCtrl},
};

struct Options {
    std::string dataDir;  // empty: the game's data, found as the game finds it
    uint64_t seed = 1;
    int level = 1;
    long frames = 1000;
    std::string inputFile;  // empty: no key is ever down
    std::string name = "Tester";
    std::string replayFile;  // play this replay instead of a key script
    bool verify = false;     // with a replay: one line saying whether it ends as it claims
    std::string recordFile;  // write the replay of the run played here
};

// Parses the command line; throws std::invalid_argument with a message for the user.
Options parseArguments(const std::vector<std::string>& args);

// One line of held keys per frame, as snapshot key numbers (PC set-1 scan codes).
struct KeyScript {
    std::vector<std::vector<int>> frames;
    const std::vector<int>& keysFor(long frame) const;  // frame counts from 1
};

// Reads the blank-separated key names; an unknown word throws std::invalid_argument naming its line.
KeyScript parseKeyScript(std::istream& in);
int keyCode(const std::string& name);  // -1 for an unknown name

// The JSON line written for a frame; the high-score table is added once the game has ended.
std::string frameLine(const Game& g, long frame, const std::vector<std::string>& sounds, bool withHighScores);

// A command-line value that must be a whole number of at least `least`; anything else throws
// std::invalid_argument naming the flag. vorn-soak reads its numbers the same way.
long parseNumber(const std::string& flag, const std::string& text, long least = LONG_MIN);

// Runs the whole simulation, writing JSON lines to out and messages to err; the exit status.
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace vorn::sim

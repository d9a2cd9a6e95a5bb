// A game as it was played: where it started (the random generator, the level set, developer
// mode), the keys of every frame, the commands that changed it between frames, the name given
// to its high score, and how it ended. Playing the same keys on the same start gives the same
// game, so a replay can be watched again and its ending proven.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Random.h"
#include "game/state/Game.h"

namespace vorn {

// Raise this whenever a change to the rules makes an old game play differently: replays made
// under other rules are then refused instead of played wrongly.
inline constexpr uint16_t kRulesVersion = 1;

// The keys the frame step reads, one bit each in this order. P is left out: a pause is not
// part of the game.
inline constexpr std::array<int, 9> kPlayKeys = {key::Left,  key::Right,  key::Up,     key::Down, key::Space,
                                                 key::LCtrl, key::LShift, key::RShift, key::RCtrl};

uint16_t playKeysOf(const uint8_t keyState[256]);
void setPlayKeys(uint16_t keys, uint8_t keyState[256]);

enum class GameEnd : uint8_t {
    GameOver = 1,   // the last health point went
    Won = 2,        // Dovi was reached
    Left = 3,       // Escape back to the title screen
    Restarted = 4,  // F1 started another game
    Closed = 5,     // the program ended
};

// How a game ended, for messages: "lost", "won", "left for the title screen", ...
const char* endName(GameEnd end);

// The same keys held for `frames` frames in a row.
struct KeyRun {
    uint16_t keys = 0;
    uint32_t frames = 0;
    bool operator==(const KeyRun&) const = default;
};

// A command key (F5, F6 or F7, as Windows virtual-key numbers) that acted after `frame` frames.
struct ReplayCommand {
    uint32_t frame = 0;
    uint8_t key = 0;
    bool operator==(const ReplayCommand&) const = default;
};

struct Replay {
    std::string gameVersion;
    uint16_t rulesVersion = kRulesVersion;
    Random::State random;
    bool devMode = false;
    uint64_t levelSet = 0;  // Game::levelSetFingerprint() of the set it was played on
    int64_t playedAt = 0;   // seconds since 1970 (UTC) when the game started
    std::vector<KeyRun> keys;
    std::vector<ReplayCommand> commands;
    bool nameAsked = false;
    std::string name;  // as the dialog gave it back, UTF-8

    // What the game came to.
    GameEnd end = GameEnd::Closed;
    uint32_t frames = 0;
    int16_t level = 0, score = 0, health = 0;

    bool operator==(const Replay&) const = default;
};

}  // namespace vorn

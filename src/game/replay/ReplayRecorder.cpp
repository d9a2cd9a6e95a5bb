#include "game/replay/ReplayRecorder.h"

namespace vorn {

namespace {

// Enough runs for an hour of busy play, so a frame never waits for memory.
constexpr std::size_t kRunsAtStart = 1 << 14;

}  // namespace

GameEnd endOf(const Game& game) {
    return game.LevelHasDovi && game.DoviRescued ? GameEnd::Won : GameEnd::GameOver;
}

void ReplayRecorder::begin(const Game& game, const std::string& gameVersion, int64_t now) {
    replay_ = Replay{};
    replay_.gameVersion = gameVersion;
    replay_.random = game.Rng.state();
    replay_.devMode = game.DevMode;
    replay_.levelSet = game.levelSetFingerprint();
    replay_.playedAt = now;
    replay_.keys.reserve(kRunsAtStart);
    recording_ = true;
}

void ReplayRecorder::keysFor(uint32_t /*frame*/, uint8_t keyState[256]) {
    if (!recording_) return;
    const uint16_t keys = playKeysOf(keyState);
    if (!replay_.keys.empty() && replay_.keys.back().keys == keys)
        ++replay_.keys.back().frames;
    else
        replay_.keys.push_back({keys, 1});
}

bool ReplayRecorder::nameFor(std::string& /*name*/) { return false; }

void ReplayRecorder::named(const std::string& name) {
    if (!recording_) return;
    replay_.nameAsked = true;
    replay_.name = name;
}

void ReplayRecorder::command(const Game& game, int virtualKey) {
    if (recording_) replay_.commands.push_back({game.framesPlayed, static_cast<uint8_t>(virtualKey)});
}

Replay ReplayRecorder::finish(const Game& game, GameEnd how) {
    recording_ = false;
    replay_.end = how;
    replay_.frames = game.framesPlayed;
    replay_.level = game.Level;
    replay_.score = game.Score;
    replay_.health = game.Health;
    Replay done = std::move(replay_);
    replay_ = Replay{};
    return done;
}

}  // namespace vorn

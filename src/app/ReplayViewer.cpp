#include "app/ReplayViewer.h"

#include <optional>

#include "app/ReplayKeeper.h"
#include "core/Windows1252.h"
#include "game/persist/DataFile.h"
#include "game/replay/ReplayFormat.h"

namespace fs = std::filesystem;

namespace vorn {

namespace {

constexpr int kTab = 0x0F;  // the keyboard number of Tab
constexpr int kFastFrames = 4;

}  // namespace

ReplayViewer::ReplayViewer(Game& game, Keyboard& keyboard, MessageBox& messages, fs::path folder)
    : game_(game), keyboard_(keyboard), messages_(messages), folder_(std::move(folder)) {}

bool ReplayViewer::watch(const fs::path& file) {
    stop();
    std::string why;
    Replay replay;
    try {
        const std::optional<std::string> bytes = readDataFile(file.string());
        if (!bytes) throw ReplayError("there is no such file");
        replay = decodeReplay(*bytes);
        why = ReplayPlayer(replay).refusal(game_);
    } catch (const std::exception& e) {
        why = e.what();
    }
    if (!why.empty()) {
        messages_.show("The replay " + file.filename().string() + " cannot be played: " + why);
        return false;
    }

    table_ = game_.HighScores;
    random_ = game_.Rng.state();
    player_ = std::make_unique<ReplayPlayer>(std::move(replay));
    game_.playerInput = player_.get();
    game_.replayMarker = true;
    if (!player_->start(game_)) {
        stop();
        return false;
    }
    return true;
}

bool ReplayViewer::watchBest() {
    // The top row's game: its name and score, the newest when several match.
    const HighScoreEntry& top = game_.HighScores[0];
    std::optional<fs::path> best;
    int64_t newest = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        if (entry.path().extension() != ".vrep" || entry.path().filename() == ReplayKeeper::kLastGame)
            continue;
        try {
            const std::optional<std::string> bytes = readDataFile(entry.path().string());
            if (!bytes) continue;
            const Replay r = decodeReplay(*bytes);
            if (!r.nameAsked || r.score != top.Score ||
                fitToCharacters(r.name, kHighScoreNameLength) != top.Name)
                continue;
            if (!best || r.playedAt > newest) best = entry.path(), newest = r.playedAt;
        } catch (const std::exception&) {
            // A damaged file is not the top row's game.
        }
    }
    if (best) return watch(*best);
    const fs::path last = folder_ / ReplayKeeper::kLastGame;
    return fs::exists(last, ec) && watch(last);
}

int ReplayViewer::framesThisPass() {
    if (!watching()) return 1;
    uint8_t keys[256] = {};
    try {
        keyboard_.snapshot(keys);
    } catch (const std::exception&) {
        return 1;
    }
    return (keys[kTab] & 0x80) ? kFastFrames : 1;
}

void ReplayViewer::beforeFrame() {
    if (!watching()) return;
    player_->applyCommands(game_);
    if (player_->finished(game_)) stop();
}

void ReplayViewer::afterFrame() {
    if (watching() && !game_.IsRunning()) stop();
}

void ReplayViewer::stop() {
    if (!watching()) return;
    // What was played back is no game of the player's: it does not go on with their keys.
    // A failed stop has shown its message; the replay is let go all the same.
    if (game_.IsRunning()) (void)game_.StopGame();
    if (game_.playerInput == player_.get()) game_.playerInput = nullptr;
    game_.replayMarker = false;
    game_.HighScores = table_;
    game_.Rng.restore(random_);
    player_.reset();
}

}  // namespace vorn

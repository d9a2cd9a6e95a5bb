#include "app/ReplayKeeper.h"

#include <cstdio>
#include <ctime>
#include <exception>

#include "core/Version.h"
#include "game/persist/DataFile.h"
#include "game/replay/ReplayFormat.h"

namespace fs = std::filesystem;

namespace vorn {

ReplayKeeper::ReplayKeeper(Game& game, fs::path folder) : game_(game), folder_(std::move(folder)) {}

void ReplayKeeper::gameStarting() {
    gameEnded(GameEnd::Restarted);
    recorder_.begin(game_, gameVersion(), static_cast<int64_t>(std::time(nullptr)));
    game_.playerInput = &recorder_;
}

void ReplayKeeper::gameDidNotStart() {
    recorder_.discard();
    if (game_.playerInput == &recorder_) game_.playerInput = nullptr;
}

void ReplayKeeper::commandActed(int virtualKey) {
    if (game_.IsRunning()) recorder_.command(game_, virtualKey);
}

void ReplayKeeper::gameEnded(GameEnd how) {
    if (!recorder_.recording()) return;
    if (game_.playerInput == &recorder_) game_.playerInput = nullptr;
    keep(recorder_.finish(game_, how));
}

void ReplayKeeper::afterFrame() {
    if (recorder_.recording() && !game_.IsRunning()) gameEnded(endOf(game_));
}

void ReplayKeeper::keep(const Replay& replay) {
    // A game ended before its first frame (a new game at once, say) shows nothing.
    if (replay.frames == 0) return;
    try {
        const std::string bytes = encodeReplay(replay);
        replaceFile((folder_ / kLastGame).string(), bytes);
        if (replay.nameAsked) {
            // Two games can end in the same second with the same score; neither is lost.
            const std::string name = keptReplayName(replay);
            const std::string stem = name.substr(0, name.size() - std::string(".vrep").size());
            fs::path kept = folder_ / name;
            for (int n = 2; fs::exists(kept); ++n)
                kept = folder_ / (stem + "-" + std::to_string(n) + ".vrep");
            replaceFile(kept.string(), bytes);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorn! - the replay could not be kept in %s: %s\n", folder_.c_str(), e.what());
    }
}

std::string keptReplayName(const Replay& replay) {
    const std::time_t when = static_cast<std::time_t>(replay.playedAt);
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(stamp) + "_score-" + std::to_string(replay.score) + ".vrep";
}

}  // namespace vorn

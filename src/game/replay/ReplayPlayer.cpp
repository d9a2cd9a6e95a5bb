#include "game/replay/ReplayPlayer.h"

#include <utility>

#include "game/replay/ReplayRecorder.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

std::string claimed(const char* what, long is, long claim) {
    return std::string(what) + " " + std::to_string(is) + ", the replay claims " + std::to_string(claim);
}

}  // namespace

ReplayPlayer::ReplayPlayer(Replay replay) : replay_(std::move(replay)) {}

std::string ReplayPlayer::refusal(const Game& game) const {
    if (replay_.rulesVersion != kRulesVersion)
        return "the replay was made by Vorn! " + replay_.gameVersion + ", whose rules differ from this one's";
    if (replay_.levelSet != game.levelSetFingerprint()) return "the replay was played on another level set";
    if (replay_.level > game.LevelCount) return "the replay was played on another level set";
    return {};
}

bool ReplayPlayer::start(Game& game) {
    run_ = 0;
    intoRun_ = 0;
    command_ = 0;
    nameAsked_ = false;
    game.Rng.restore(replay_.random);
    return game.StartGame();
}

void ReplayPlayer::applyCommands(Game& game) {
    while (command_ < replay_.commands.size() && replay_.commands[command_].frame <= game.framesPlayed) {
        switch (replay_.commands[command_++].key) {
            case vk::F5:
                (void)game.StartNextLevel();  // as the key did: a failure showed its message
                break;
            case vk::F6:
                game.GotoLevel(100);
                break;
            case vk::F7:
                game.SetCharHealth(10);
                break;
            default:
                break;
        }
    }
}

bool ReplayPlayer::finished(const Game& game) const {
    return game.framesPlayed >= replay_.frames || !game.IsRunning();
}

void ReplayPlayer::keysFor(uint32_t /*frame*/, uint8_t keyState[256]) {
    uint16_t keys = 0;
    if (run_ < replay_.keys.size()) {
        keys = replay_.keys[run_].keys;
        if (++intoRun_ == replay_.keys[run_].frames) {
            ++run_;
            intoRun_ = 0;
        }
    }
    setPlayKeys(keys, keyState);
}

bool ReplayPlayer::nameFor(std::string& name) {
    nameAsked_ = true;
    name = replay_.name;
    return true;
}

std::string ReplayPlayer::difference(const Game& game, bool stoppedByItself) const {
    const Replay& r = replay_;
    if (game.framesPlayed != r.frames)
        return claimed("the game ended after", game.framesPlayed, r.frames) + " frames";
    const std::string at = "after " + std::to_string(game.framesPlayed) + " frames: ";
    // A game claimed as left, restarted or ended with the program may have stopped by itself in
    // its last frame: the player's key came while the game was ending.
    const bool claimsStop = r.end == GameEnd::GameOver || r.end == GameEnd::Won;
    if ((claimsStop && !stoppedByItself) || (claimsStop && endOf(game) != r.end)) {
        const std::string is =
            stoppedByItself ? std::string("was ") + endName(endOf(game)) : "is still in play";
        return at + "the game " + is + ", the replay claims it was " + endName(r.end);
    }
    if (game.Level != r.level) return at + claimed("level", game.Level, r.level);
    if (game.Score != r.score) return at + claimed("score", game.Score, r.score);
    if (game.Health != r.health) return at + claimed("health", game.Health, r.health);
    if (nameAsked_ != r.nameAsked)
        return at + (nameAsked_ ? "the game asked for a name, the replay has none"
                                : "the game asked for no name, the replay has one");
    return {};
}

std::string playReplay(Game& game, ReplayPlayer& player, const std::function<void()>& afterFrame) {
    game.playerInput = &player;
    struct Detach {
        Game& g;
        ~Detach() { g.playerInput = nullptr; }
    } detach{game};

    if (!player.start(game)) return "the game did not start";
    bool stoppedByItself = false;
    for (;;) {
        player.applyCommands(game);
        if (player.finished(game)) break;
        if (!game.DoFrame()) return "frame " + std::to_string(game.framesPlayed) + " failed";
        if (afterFrame) afterFrame();
        if (!game.IsRunning()) {
            stoppedByItself = true;
            break;
        }
    }
    player.applyCommands(game);
    return player.difference(game, stoppedByItself);
}

}  // namespace vorn

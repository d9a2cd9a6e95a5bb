#include "WholeGame.h"

#include <vector>

#include "Session.h"
#include "core/Version.h"
#include "game/replay/ReplayRecorder.h"
#include "game/state/Game.h"

namespace vorn::levelcheck {

namespace {

// Below this the next few bombs could end the game on a long way.
constexpr int16_t kLowHealth = 3;
// A level that is neither cleared nor lost after this long is not being played to its end.
constexpr uint32_t kFramesPerLevel = 20000;

std::vector<int> keyCodes(uint8_t held) {
    std::vector<int> codes;
    if (held & kHoldLeft) codes.push_back(key::Left);
    if (held & kHoldRight) codes.push_back(key::Right);
    if (held & kHoldJump) codes.push_back(key::Up);
    if (held & kHoldDown) codes.push_back(key::Down);
    return codes;
}

int takenCount(const Game& g) {
    int n = 0;
    for (int k = 0; k < g.ItemCount; ++k) n += g.Items[k].taken();
    return n;
}

}  // namespace

WholeGame playWholeGame(LevelChecker& checker, uint64_t seed) {
    WholeGame result;
    sim::Session session("Golden Run");
    if (session.open(checker.folder()) != sim::Session::Opened::Ready) {
        result.error = "the game did not start";
        return result;
    }
    Game& g = session.game();
    ReplayRecorder recorder;
    const auto record = [&](Game& game) {
        recorder.begin(game, gameVersion(), 0);
        game.playerInput = &recorder;
    };
    if (!session.start(seed, 1, record)) {
        result.error = "the game did not start";
        return result;
    }

    auto step = [&](uint8_t held) {
        if (g.Health < kLowHealth && g.EndDelay == 0) {
            g.SetCharHealth(10);
            recorder.command(g, vk::F7);
        }
        return session.step(keyCodes(held));
    };

    int16_t level = g.Level;
    uint32_t levelStart = 0;
    while (g.IsRunning() && result.error.empty()) {
        if (g.Level != level) level = g.Level, levelStart = g.framesPlayed;
        if (g.framesPlayed - levelStart > kFramesPerLevel) {
            result.error = "level " + std::to_string(level) + " was not finished";
            break;
        }
        // The count-down of a cleared level: the next one starts by itself.
        if (g.EndDelay > 0) {
            if (!step(0)) result.error = "a frame failed";
            continue;
        }

        ItemSet gone, crystals, dovi;
        for (int k = 0; k < g.ItemCount; ++k) {
            if (g.Items[k].taken())
                gone.set(k);
            else if (g.Items[k].Kind == kItemCrystal)
                crystals.set(k);
            else if (g.Items[k].Kind == kItemDovi)
                dovi.set(k);
        }
        // Every crystal first, for the score, then Dovi.
        const ItemSet targets = crystals.any() ? crystals : dovi;
        const Body body{g.CharX, g.CharY, g.CharVelX, g.CharVelY, g.CharInAir, g.HyperJumps, g.SpeedTime};
        const std::vector<uint8_t> way = checker.wayToNearest(level, body, gone, targets);
        if (way.empty()) {
            result.error = "no way on from here on level " + std::to_string(level);
            break;
        }
        const int before = takenCount(g);
        for (uint8_t held : way) {
            if (!step(held)) result.error = "a frame failed";
            if (!result.error.empty() || !g.IsRunning() || g.EndDelay > 0 || takenCount(g) > before) break;
        }
    }
    g.playerInput = nullptr;
    result.replay = recorder.finish(g, g.IsRunning() ? GameEnd::Closed : endOf(g));
    if (result.error.empty() && result.replay.end != GameEnd::Won)
        result.error = "the game was " + std::string(endName(result.replay.end)) + " on level " +
                       std::to_string(result.replay.level);
    return result;
}

}  // namespace vorn::levelcheck

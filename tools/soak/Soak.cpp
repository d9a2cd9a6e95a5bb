#include "Soak.h"

#include <ostream>

#include "Invariants.h"
#include "Simulator.h"
#include "game/state/Game.h"

namespace vorn::soak {

namespace {

constexpr int kKeyCount = static_cast<int>(std::size(sim::kKeyNames));

}  // namespace

Soak::Soak(const std::filesystem::path& folder) {
    session_.host().messages.echoToStderr = false;
    switch (session_.open(folder)) {
        case sim::Session::Opened::NoFolder:
            error_ = "cannot open the data folder " + folder.string();
            return;
        case sim::Session::Opened::Failed: {
            const auto& shown = session_.host().messages.shown;
            error_ = shown.empty() ? "the game did not start" : shown.front();
            return;
        }
        case sim::Session::Opened::Ready:
            ready_ = true;
    }
}

int Soak::levelCount() const { return session_.game().LevelCount; }

const std::string& Soak::levelName(int level) const { return session_.game().LevelNames[level - 1]; }

Run Soak::run(uint64_t seed, int level, long frames) {
    Run run;
    run.keys.reserve(static_cast<size_t>(frames));
    Invariants invariants;
    const Game& g = session_.game();
    const auto& messages = session_.host().messages.shown;

    const bool started = session_.start(seed, level);
    run.broken = invariants.start(g, messages);
    if (run.broken.empty() && !started) run.broken = "the game did not start";

    RandomKeys random(seed, level);
    int held[kKeyCount];
    while (run.broken.empty() && run.frames < frames && g.GameState == kPlaying) {
        const KeySet keys = random.next();
        int count = 0;
        for (int k = 0; k < kKeyCount; ++k)
            if (keys & (1 << k)) held[count++] = sim::kKeyNames[k].code;
        run.keys.push_back(keys);
        ++run.frames;
        const bool ok = session_.step({held, static_cast<size_t>(count)});
        run.broken = invariants.check(g, ok, messages);
    }

    run.clears = invariants.clears();
    run.lastLevel = g.Level;
    run.score = g.Score;
    if (!run.broken.empty())
        run.end = Run::End::Broken;
    else if (g.GameState != kPlaying)
        run.end = g.Health > 0 ? Run::End::Won : Run::End::Died;
    return run;
}

void writeKeyFile(std::ostream& out, const std::vector<KeySet>& keys) {
    std::string line;
    for (KeySet held : keys) {
        line.clear();
        for (int k = 0; k < kKeyCount; ++k) {
            if (!(held & (1 << k))) continue;
            if (!line.empty()) line += ' ';
            line += sim::kKeyNames[k].name;
        }
        out << line << '\n';
    }
}

}  // namespace vorn::soak

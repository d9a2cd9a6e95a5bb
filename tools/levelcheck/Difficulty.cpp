#include "Difficulty.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <stdexcept>

#include "Mover.h"
#include "game/state/Game.h"

namespace vorn::levelcheck {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace

Difficulty::Difficulty(const std::filesystem::path& folder, int seeds) : soak_(folder), seeds_(seeds) {
    session_.host().messages.echoToStderr = false;
    if (!soak_.ready()) {
        error_ = soak_.error();
        return;
    }
    if (session_.open(folder) != sim::Session::Opened::Ready) {
        error_ = "the game did not start in " + folder.string();
        return;
    }
    ready_ = true;
}

bool Difficulty::hitOnTheWay(uint64_t seed, int level, int item, const std::vector<uint8_t>& keys) {
    if (!session_.start(seed, level))
        throw std::runtime_error("level " + std::to_string(level) + " did not start");
    const Game& g = session_.game();
    int held[4];
    for (uint8_t keysHeld : keys) {
        int count = 0;
        if (keysHeld & kHoldLeft) held[count++] = key::Left;
        if (keysHeld & kHoldRight) held[count++] = key::Right;
        if (keysHeld & kHoldJump) held[count++] = key::Up;
        if (keysHeld & kHoldDown) held[count++] = key::Down;
        const int16_t health = g.Health;
        if (!session_.step({held, static_cast<size_t>(count)}))
            throw std::runtime_error("the frame step failed on level " + std::to_string(level));
        if (g.Health < health) return true;
        // Taken, or the level ended on the way (the way to a power-up may take every crystal).
        if (g.Items[item].taken() || g.EndDelay > 0 || g.GameState != kPlaying) return false;
    }
    return false;
}

LevelDifficulty Difficulty::measure(const LevelReport& report) {
    LevelDifficulty row;
    row.level = report.level;
    row.name = report.name;
    row.crystals = report.count(kItemCrystal);
    if (!session_.start(1, report.level))
        throw std::runtime_error("level " + std::to_string(report.level) + " did not start");
    row.theme = session_.game().Scenery;
    row.bombs = session_.game().BombCount;

    long frames = 0, longest = 0, played = 0, hit = 0;
    for (size_t k = 0; k < report.items.size(); ++k) {
        const ItemReport& item = report.items[k];
        if (!item.reached) continue;
        ++row.routes;
        frames += static_cast<long>(item.keys.size());
        longest = std::max(longest, static_cast<long>(item.keys.size()));
        // Every way on seeds of its own: the ways of a level share much of their path, so on
        // shared seeds one seed whose bombs happen to fall there would hit them all together.
        for (int s = 1; s <= seeds_; ++s) {
            ++played;
            const uint64_t seed =
                static_cast<uint64_t>(k) * static_cast<uint64_t>(seeds_) + static_cast<uint64_t>(s);
            hit += hitOnTheWay(seed, report.level, static_cast<int>(k), item.keys);
        }
    }
    if (row.routes > 0) {
        row.routesHit = static_cast<double>(hit) / static_cast<double>(played);
        row.meanSeconds = static_cast<double>(frames) / row.routes * kSecondsPerFrame;
        row.longestSeconds = static_cast<double>(longest) * kSecondsPerFrame;
    }

    int survived = 0;
    for (int seed = 1; seed <= seeds_; ++seed)
        survived += soak_.run(static_cast<uint64_t>(seed), report.level, kSoakFrames).survived();
    row.survival = static_cast<double>(survived) / seeds_;
    return row;
}

void writeCsv(std::ostream& out, const std::vector<LevelDifficulty>& rows) {
    out << "level,name,theme,bombs,crystals,routes,routes_hit_percent,mean_route_seconds,"
           "longest_route_seconds,soak_survival_percent\n";
    char line[160];
    for (const LevelDifficulty& r : rows) {
        std::snprintf(line, sizeof line, ",%d,%d,%d,%d,%.1f,%.2f,%.2f,%.1f\n", r.theme, r.bombs, r.crystals,
                      r.routes, 100 * r.routesHit, r.meanSeconds, r.longestSeconds, 100 * r.survival);
        out << r.level << ',' << quoted(r.name) << line;
    }
}

void writeTable(std::ostream& out, const std::vector<LevelDifficulty>& rows) {
    out << "level name                     theme bombs crystals routes  hit %  mean s  longest s  survive "
           "%\n";
    char line[200];
    for (const LevelDifficulty& r : rows) {
        std::string name = r.name.size() > 24 ? r.name.substr(0, 23) + "~" : r.name;
        std::snprintf(line, sizeof line, "%5d %-24s %5d %5d %8d %6d %6.1f %7.1f %10.1f %10.1f\n", r.level,
                      name.c_str(), r.theme, r.bombs, r.crystals, r.routes, 100 * r.routesHit, r.meanSeconds,
                      r.longestSeconds, 100 * r.survival);
        out << line;
    }
}

}  // namespace vorn::levelcheck

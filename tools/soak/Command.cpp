#include "Command.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "Simulator.h"
#include "Soak.h"

namespace vorn::soak {

namespace {

long parseCount(const std::string& flag, const std::string& text) { return sim::parseNumber(flag, text, 1); }

struct Tally {
    long runs = 0, frames = 0, survived = 0, died = 0, won = 0, clears = 0;
    void add(const Run& run) {
        ++runs;
        frames += run.frames;
        survived += run.end == Run::End::Survived;
        died += run.end == Run::End::Died;
        won += run.end == Run::End::Won;
        clears += run.clears;
    }
};

std::string counts(const Tally& t) {
    char text[160];
    std::snprintf(text, sizeof text, "%ld runs, %ld survived, %ld died, %ld won, %ld clears, %ld frames",
                  t.runs, t.survived, t.died, t.won, t.clears, t.frames);
    return text;
}

}  // namespace

Options parseArguments(const std::vector<std::string>& args) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag != "--data" && flag != "--levels" && flag != "--seeds" && flag != "--frames")
            throw std::invalid_argument("unknown option " + flag);
        if (i + 1 >= args.size()) throw std::invalid_argument(flag + " needs a value");
        const std::string& value = args[++i];
        if (flag == "--data") {
            o.dataDir = value;
        } else if (flag == "--levels") {
            const size_t dash = value.find('-');
            o.firstLevel = static_cast<int>(parseCount(flag, value.substr(0, dash)));
            o.lastLevel = dash == std::string::npos
                              ? o.firstLevel
                              : static_cast<int>(parseCount(flag, value.substr(dash + 1)));
            if (o.lastLevel < o.firstLevel)
                throw std::invalid_argument("--levels needs A-B with A no more than B");
        } else if (flag == "--seeds") {
            o.seeds = parseCount(flag, value);
        } else {
            o.frames = parseCount(flag, value);
        }
    }
    return o;
}

int run(const Options& options, std::ostream& out, std::ostream& err) {
    const auto began = std::chrono::steady_clock::now();
    Soak soak(options.dataDir);
    if (!soak.ready()) {
        err << "vorn-soak: " << soak.error() << "\n";
        return 2;
    }
    const int first = options.firstLevel ? options.firstLevel : 1;
    const int last = options.lastLevel ? options.lastLevel : soak.levelCount();
    if (last > soak.levelCount()) {
        err << "vorn-soak: there is no level " << last << " (the set has " << soak.levelCount() << ")\n"
            << kUsage << "\n";
        return 2;
    }
    out << "vorn-soak: levels " << first << "-" << last << ", seeds 1-" << options.seeds << ", up to "
        << options.frames << " frames a run\n";

    Tally total;
    for (int level = first; level <= last; ++level) {
        Tally tally;
        for (long seed = 1; seed <= options.seeds; ++seed) {
            const Run run = soak.run(static_cast<uint64_t>(seed), level, options.frames);
            tally.add(run);
            if (run.end != Run::End::Broken) continue;

            char name[64];
            std::snprintf(name, sizeof name, "vorn-soak-level-%d-seed-%ld.keys", level, seed);
            std::ofstream file(name);
            writeKeyFile(file, run.keys);
            file.close();
            out << "BROKEN: seed " << seed << ", level " << level << ", frame " << run.frames << ": "
                << run.broken << "\n";
            if (!file) {
                err << "vorn-soak: cannot write " << name << "\n";
            } else {
                out << "  keys written to " << name << "; replay with:\n  vorn-sim "
                    << (options.dataDir.empty() ? "" : "--data " + options.dataDir + " ") << "--seed " << seed
                    << " --level " << level << " --frames " << run.frames << " --input " << name << "\n";
            }
            return 1;
        }
        total.runs += tally.runs;
        total.frames += tally.frames;
        total.survived += tally.survived;
        total.died += tally.died;
        total.won += tally.won;
        total.clears += tally.clears;
        char head[96];
        std::snprintf(head, sizeof head, "level %2d %-24s ", level,
                      ("'" + soak.levelName(level) + "':").c_str());
        out << head << counts(tally) << std::endl;
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    char rate[160];
    std::snprintf(rate, sizeof rate, "%.1f s, %.0f frames/s", seconds,
                  seconds > 0 ? static_cast<double>(total.frames) / seconds : 0.0);
    out << "total: " << counts(total) << " in " << rate << "; every invariant held\n";
    return 0;
}

}  // namespace vorn::soak

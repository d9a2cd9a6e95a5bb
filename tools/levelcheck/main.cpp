// vorn-levelcheck [Levels.txt] [--level N]... [--keys DIR] [--report [--seeds N] [--csv FILE] [--png FILE]]
// vorn-levelcheck [Levels.txt] --replay FILE
//
// Proves that every crystal of every level, and Dovi on the level that holds him, can be
// touched from the start with the game's own movement code. Prints what it proved per level
// and exits with 1 when an item cannot be reached (2 when it could not check at all). With
// --keys it writes, for every item reached, the keys that reach it in vorn-sim's input form.
// With --report it also measures how hard each level plays (Difficulty.h) and writes the table
// as CSV and its curves as a PNG.
// With --replay it plays the whole game on those ways instead, from the first crystal of level
// 1 to Dovi, and keeps it as a replay.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Difficulty.h"
#include "DifficultyChart.h"
#include "LevelChecker.h"
#include "Mover.h"
#include "WholeGame.h"
#include "app/GamePaths.h"
#include "game/replay/ReplayFormat.h"
#include "game/state/LevelCodes.h"

namespace fs = std::filesystem;
using namespace vorn::levelcheck;
using vorn::encodeReplay;
using vorn::Replay;

namespace {

using vorn::kItemCrystal;
using vorn::kItemDovi;

// The game's data beside this program, or installed beside its folder, as the game finds it.
fs::path dataFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : vorn::findDataFolder(exe.parent_path());
}

int usage(const std::string& why) {
    std::cerr << "vorn-levelcheck: " << why
              << "\nusage: vorn-levelcheck [Levels.txt] [--level N]... [--keys DIR]"
                 " [--report [--seeds N] [--csv FILE] [--png FILE]]\n"
                 "       vorn-levelcheck [Levels.txt] --replay FILE\n";
    return 2;
}

void writeKeys(const fs::path& file, const std::vector<uint8_t>& keys) {
    std::ofstream out(file);
    for (uint8_t held : keys) {
        std::string line;
        auto add = [&](const char* name) {
            if (!line.empty()) line += ' ';
            line += name;
        };
        if (held & kHoldLeft) add("Left");
        if (held & kHoldRight) add("Right");
        if (held & kHoldJump) add("Up");
        if (held & kHoldDown) add("Down");
        out << line << '\n';
    }
}

std::string thousands(long frames) {
    char text[32];
    if (frames >= 1000000)
        std::snprintf(text, sizeof text, "%.1fM", static_cast<double>(frames) / 1e6);
    else
        std::snprintf(text, sizeof text, "%ldk", frames / 1000);
    return text;
}

// Plays the whole game on the checker's ways and keeps its replay.
int writeWholeGame(LevelChecker& checker, const fs::path& file) {
    const WholeGame game = playWholeGame(checker, 1);
    const Replay& r = game.replay;
    if (!game.error.empty()) {
        std::cerr << "vorn-levelcheck: the whole game did not reach its end: " << game.error << "\n";
        return 1;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << encodeReplay(r);
    out.close();
    if (!out) {
        std::cerr << "vorn-levelcheck: cannot write " << file.string() << "\n";
        return 2;
    }
    std::printf("won on level %d with score %d and health %d after %u frames (%zu key runs, %zu commands)\n",
                r.level, r.score, r.health, r.frames, r.keys.size(), r.commands.size());
    return 0;
}

struct ReportOptions {
    bool wanted = false;
    int seeds = 8;
    fs::path csv = "difficulty.csv", png = "difficulty.png";
};

// Writes the difficulty table and its chart; false when a file cannot be written.
bool writeReport(const ReportOptions& options, const std::vector<LevelDifficulty>& rows,
                 const fs::path& levels, double seconds) {
    writeTable(std::cout, rows);
    std::ofstream csv(options.csv, std::ios::binary);
    writeCsv(csv, rows);
    csv.close();
    const std::string title = "Difficulty of " + levels.filename().string() + ": " +
                              std::to_string(rows.size()) + " levels, " + std::to_string(options.seeds) +
                              " seeds a route and a soak";
    const bool drawn = drawDifficultyChart(options.png, rows, title);
    if (!csv) std::cerr << "vorn-levelcheck: cannot write " << options.csv << "\n";
    if (!drawn) std::cerr << "vorn-levelcheck: cannot write " << options.png << "\n";
    std::printf("report: %s and %s written, %.1f s\n", options.csv.c_str(), options.png.c_str(), seconds);
    return csv && drawn;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path levels = dataFolder() / "Levels.txt";
    fs::path keysDir, replayFile;
    std::set<int> only;  // empty: every level
    ReportOptions report;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--report") {
            report.wanted = true;
        } else if (arg == "--seeds" || arg == "--csv" || arg == "--png") {
            if (i + 1 >= argc) return usage(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--csv") {
                report.csv = value;
            } else if (arg == "--png") {
                report.png = value;
            } else {
                try {
                    report.seeds = std::stoi(value);
                } catch (const std::exception&) {
                    report.seeds = 0;
                }
                if (report.seeds < 1) return usage("--seeds needs a whole number above 0");
            }
        } else if (arg == "--level" || arg == "--keys" || arg == "--replay") {
            if (i + 1 >= argc) return usage(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--keys") {
                keysDir = value;
            } else if (arg == "--replay") {
                replayFile = value;
            } else {
                try {
                    only.insert(std::stoi(value));
                } catch (const std::exception&) {
                    return usage("--level needs a level number");
                }
            }
        } else if (!arg.empty() && arg[0] == '-') {
            return usage("unknown option " + arg);
        } else {
            levels = arg;
        }
    }
    if (!fs::exists(levels)) return usage("no level file " + levels.string());
    if (!keysDir.empty()) fs::create_directories(keysDir);

    LevelChecker checker(levels, levels.parent_path() / "LevelNames.txt", dataFolder());
    if (!checker.ready()) {
        std::cerr << "vorn-levelcheck: " << checker.error() << "\n";
        return 2;
    }
    for (int level : only)
        if (level < 1 || level > checker.levelCount())
            return usage("there is no level " + std::to_string(level));
    if (!replayFile.empty()) return writeWholeGame(checker, replayFile);
    if (checker.levelCount() < 5)
        std::printf(
            "a set of %d level%s, fewer than five: the game plays it, each level in a scenery of its own\n",
            checker.levelCount(), checker.levelCount() == 1 ? "" : "s");
    const auto began = std::chrono::steady_clock::now();
    std::unique_ptr<Difficulty> difficulty;
    std::vector<LevelDifficulty> rows;
    if (report.wanted) {
        difficulty = std::make_unique<Difficulty>(checker.folder(), report.seeds);
        if (!difficulty->ready()) {
            std::cerr << "vorn-levelcheck: " << difficulty->error() << "\n";
            return 2;
        }
    }

    int unreachable = 0, crystals = 0;
    double seconds = 0;
    for (int level = 1; level <= checker.levelCount(); ++level) {
        if (!only.empty() && !only.contains(level)) continue;
        const LevelReport r = checker.check(level);
        seconds += r.seconds;
        crystals += r.count(kItemCrystal);

        std::string what = std::to_string(r.reached(kItemCrystal)) + "/" +
                           std::to_string(r.count(kItemCrystal)) + " crystals";
        if (r.count(kItemDovi))
            what += r.reached(kItemDovi) == r.count(kItemDovi) ? " and Dovi" : ", not Dovi,";
        const int powerUps = static_cast<int>(r.items.size()) - r.count(kItemCrystal) - r.count(kItemDovi);
        const int powerUpsReached = [&] {
            int n = 0;
            for (const ItemReport& item : r.items)
                n += item.reached && item.kind != kItemCrystal && item.kind != kItemDovi;
            return n;
        }();
        std::printf(
            "level %2d '%s': %s reachable, power-ups %d/%d, %d standing positions, %s frames, %.2f s\n",
            r.level, r.name.c_str(), what.c_str(), powerUpsReached, powerUps, r.positions,
            thousands(r.frames).c_str(), r.seconds);

        for (size_t k = 0; k < r.items.size(); ++k) {
            const ItemReport& item = r.items[k];
            const bool needed = item.kind == kItemCrystal || item.kind == kItemDovi;
            if (!item.reached) {
                std::printf("  %s: %s at row %d, column %d\n", needed ? "unreachable" : "not reached",
                            itemName(item.kind).c_str(), item.row, item.column);
                unreachable += needed;
            } else if (!keysDir.empty()) {
                char name[64];
                std::snprintf(name, sizeof name, "level-%02d-item-%02zu.keys", r.level, k);
                writeKeys(keysDir / name, item.keys);
            }
        }
        if (difficulty) rows.push_back(difficulty->measure(r));
        std::fflush(stdout);
    }
    if (difficulty &&
        !writeReport(report, rows, levels,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count()))
        return 2;
    if (unreachable)
        std::printf("%d item%s cannot be reached\n", unreachable, unreachable == 1 ? "" : "s");
    else
        std::printf("every crystal and Dovi can be reached (%d crystals, %.1f s)\n", crystals, seconds);
    return unreachable ? 1 : 0;
}

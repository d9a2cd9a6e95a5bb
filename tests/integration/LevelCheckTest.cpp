// Every shipped level can be finished: vorn-levelcheck proves it with the game's movement code,
// and on the last one Dovi waits at the end of the longest way.
// (That its ways play back through the whole frame step is the whole game's golden replay,
// which it made.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/DataDir.h"
#include "support/GameFiles.h"
#include "support/Paths.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

// The checker's exit status and everything it printed.
std::pair<int, std::string> runChecker(const std::string& arguments) {
    const test::ToolRun run = test::runTool("vorn-levelcheck", arguments);
    return {run.status, run.text()};
}

// Under the sanitizers every frame costs some twenty times more; there a sample of levels,
// one for each kind of climb (thin steps, springs, ice, extra speed, Dovi's), stands for the set.
#if defined(__SANITIZE_ADDRESS__)
const std::vector<int> kCheckedLevels = {4, 11, 24, 42, 50};
#else
const std::vector<int> kCheckedLevels = [] {
    std::vector<int> all;
    for (int level = 1; level <= 50; ++level) all.push_back(level);
    return all;
}();
#endif

TEST(ShippedLevels, TheCheckerReachesEveryCrystalAndDoviWhoWaitsAtTheEndOfTheLongestWay) {
    test::DataDir keys(true);
    std::string arguments = test::binDir() + "/Levels.txt --keys " + keys.path().string();
    for (int level : kCheckedLevels) arguments += " --level " + std::to_string(level);
    const auto [status, out] = runChecker(arguments);
    EXPECT_EQ(status, 0) << out;

    const std::regex levelLine(R"(level +(\d+) '.*': (\d+)/(\d+) crystals( and Dovi)? reachable.*)");
    std::vector<int> levels;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, levelLine)) continue;
        levels.push_back(std::stoi(m[1]));
        EXPECT_TRUE(m[2] == m[3] && std::stoi(m[3]) > 0) << line;
        EXPECT_EQ(m[4].matched, levels.back() == 50) << line;
    }
    EXPECT_EQ(levels, kCheckedLevels) << out;

    // The finale: Dovi waits at the end of the last level's longest way, twenty seconds of play
    // (667 frames of 30 ms) from the start at least.
    if (kCheckedLevels.back() != 50) return;
    std::ifstream file(test::binDir() + "/Levels.txt");
    std::vector<std::string> grid;
    for (std::string line; std::getline(file, line);) grid.push_back(line);
    int doviItem = -1, items = 0;  // items are numbered row by row
    for (size_t row = grid.size() - 31; row + 1 < grid.size() && doviItem < 0; ++row)
        for (size_t column = 1; column + 1 < grid[row].size() && doviItem < 0; ++column) {
            if (grid[row][column] == 'C') doviItem = items;
            items += std::string("^>!$*L").find(grid[row][column]) != std::string::npos;
        }
    size_t longest = 0, toDovi = 0;
    for (const auto& entry : fs::directory_iterator(keys.path())) {
        const std::string name = entry.path().filename().string(), held = keys.read(name);
        const auto frames = static_cast<size_t>(std::count(held.begin(), held.end(), '\n'));
        if (!name.starts_with("level-50-")) continue;
        longest = std::max(longest, frames);
        if (name ==
            "level-50-item-" + std::string(doviItem < 10 ? "0" : "") + std::to_string(doviItem) + ".keys")
            toDovi = frames;
    }
    EXPECT_GE(toDovi, 667u);
    EXPECT_EQ(toDovi, longest);
}

// The checker must say so when a level cannot be finished: a crystal high in an empty corner,
// and Dovi on a pillar out of reach of every jump. The game plays a set of three levels, and
// the checker says what that means; a file written with bare LF gets a plain word about it.
TEST(LevelChecker, NamesWhatCannotBeReachedAndFails) {
    test::DataDir dir(true);
    auto level = [](const std::vector<std::pair<int, std::string>>& cells) {
        test::LevelRows rows;
        rows.rows[29] = std::string(16, 'G');
        rows.rows[28][5] = '$';
        for (const auto& [row, text] : cells) rows.rows[row] = text + rows.rows[row].substr(text.size());
        return rows;
    };
    const std::vector<test::LevelRows> levels = {level({}), level({{4, "$"}}),
                                                 level({{12, "          C"}, {13, "          G"}})};
    dir.write("Levels.txt", test::levelsText(levels));
    const auto [status, out] = runChecker(dir.file("Levels.txt").string());
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("a set of 3 levels, fewer than five: the game plays it"), std::string::npos) << out;
    EXPECT_NE(out.find("level  1 'Level 1': 1/1 crystals reachable"), std::string::npos) << out;
    EXPECT_NE(out.find("level  2 'Level 2': 1/2 crystals reachable"), std::string::npos) << out;
    EXPECT_NE(out.find("unreachable: crystal at row 4, column 0"), std::string::npos) << out;
    EXPECT_NE(out.find("level  3 'Level 3': 1/1 crystals, not Dovi, reachable"), std::string::npos) << out;
    EXPECT_NE(out.find("unreachable: Dovi at row 12, column 10"), std::string::npos) << out;

    dir.write("Levels.txt", test::levelsText(levels, "\n"));
    const auto [lfStatus, lfOut] = runChecker(dir.file("Levels.txt").string());
    EXPECT_EQ(lfStatus, 2) << lfOut;
    EXPECT_NE(lfOut.find("Levels.txt: line ends must be CR LF (this file uses LF)"), std::string::npos)
        << lfOut;
}

}  // namespace
}  // namespace vorn

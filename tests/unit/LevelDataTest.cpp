// The fifty levels we ship, read through the game's own loader from beside the program, and
// held to the rules every level keeps so that it can be started, played and finished.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/state/Game.h"
#include "game/state/LevelCodes.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace vorn {
namespace {

// What is wrong with the levels held in the game's grid.
std::vector<std::string> levelFaults(const Game& g) {
    std::vector<std::string> faults;
    std::set<int> used;
    for (int level = 0; level < g.LevelCount; ++level) {
        const std::string name = "level " + std::to_string(level + 1) + ": ";
        auto cell = [&](int row, int column) { return g.LevelGrid[row][column][level]; };
        int crystals = 0, dovis = 0;
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column) {
                used.insert(cell(row, column));
                crystals += cell(row, column) == kItemCrystal;
                dovis += cell(row, column) == kItemDovi;
            }
        for (int column = 0; column < kGridColumns; ++column)
            if (cell(kGridRows - 1, column) >= 5)
                faults.push_back(name + "no floor under column " + std::to_string(column));
        // The character starts at (5, 534), 36 pixels tall: rows 26 to 28 of the first column.
        for (int row = 26; row <= 28; ++row)
            if (cell(row, 0) != kEmptyCell)
                faults.push_back(name + "the start is not free at row " + std::to_string(row));
        if (crystals == 0) faults.push_back(name + "no crystal");
        if (dovis != (level + 1 == g.LevelCount ? 1 : 0))
            faults.push_back(name + "Dovi belongs once on the last level");
    }
    const std::string letters = "GSMBI^>!$*LC";  // platform styles 0..4, items 10..16
    for (int i = 0; i < 12; ++i)
        if (!used.contains(i < 5 ? i : i + 5)) faults.push_back(std::string("no level uses ") + letters[i]);
    return faults;
}

TEST(ShippedLevelData, FiftyNamedLevelsWithCrLfLineEndsLoadAndKeepEveryRule) {
    test::DataDir dir;  // the program's folder as it is built
    for (const char* file : {"Levels.txt", "LevelNames.txt"}) {
        const std::string bytes = dir.read(file);
        // Every line ends with CR LF: the loader would take a lone CR too, but we write our files one way.
        const auto lf = std::count(bytes.begin(), bytes.end(), '\n'),
                   cr = std::count(bytes.begin(), bytes.end(), '\r');
        long pairs = 0;
        for (auto at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++pairs;
        EXPECT_TRUE(pairs == lf && pairs == cr && bytes.ends_with("\r\n")) << file;
        EXPECT_TRUE(std::string(file) == "Levels.txt" || lf == 50) << "a name for every level, and no more";
    }
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    auto game = std::make_unique<Game>(headless.platform());
    game->abandonWithoutSaving();
    ASSERT_TRUE(game->LoadLevels()) << (headless.messages.shown.empty() ? "" : headless.messages.shown[0]);
    ASSERT_EQ(game->LevelCount, 50);
    const std::set<std::string> distinct(game->LevelNames.begin(), game->LevelNames.end());
    EXPECT_EQ(distinct.size(), 50u) << "two levels share a name";
    EXPECT_FALSE(distinct.count("")) << "a level without a name";
    EXPECT_EQ(levelFaults(*game), std::vector<std::string>{});

    // The rules speak up when a level breaks one.
    game->LevelGrid[29][7][2] = kEmptyCell;
    game->LevelGrid[10][10][19] = kItemDovi;
    EXPECT_EQ(levelFaults(*game),
              (std::vector<std::string>{"level 3: no floor under column 7",
                                        "level 20: Dovi belongs once on the last level"}));
}

}  // namespace
}  // namespace vorn

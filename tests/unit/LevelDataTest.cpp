// The fifty levels we ship: read through the game's own loader, and held to the rules every
// level keeps so that it can be started, played and finished.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace vorn {
namespace {

constexpr int kShippedLevels = 50;
constexpr uint8_t kCrystal = 13, kDovi = 16;

std::string shippedFile(const std::string& name) {
    std::ifstream in(test::sourceDir() + "/data/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every line of a level file ends with CR LF; a lone CR or LF is a fault here, although the
// loader would take a lone CR, because we write our files one way only.
std::vector<std::string> crlfLines(const std::string& bytes, std::vector<std::string>& faults) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find_first_of("\r\n", start);
        if (cr == std::string::npos || bytes[cr] != '\r' || cr + 1 >= bytes.size() || bytes[cr + 1] != '\n') {
            faults.push_back("line " + std::to_string(lines.size() + 1) + " does not end with CR LF");
            break;
        }
        lines.push_back(bytes.substr(start, cr - start));
        start = cr + 2;
    }
    return lines;
}

bool isPlatform(uint8_t code) { return code < 5; }
bool isItem(uint8_t code) { return code >= 10 && code <= 16; }

// What is wrong with one level of the game's grid (level is 1-based, last = the level count).
std::vector<std::string> levelFaults(const Game& g, int level) {
    std::vector<std::string> faults;
    const std::string name = "level " + std::to_string(level) + ": ";
    auto cell = [&](int row, int column) { return g.LevelGrid[row][column][level - 1]; };

    int platforms = 0, items = 0, crystals = 0, dovis = 0;
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t code = cell(row, column);
            platforms += isPlatform(code);
            items += isItem(code);
            crystals += code == kCrystal;
            dovis += code == kDovi;
        }
    for (int column = 0; column < kGridColumns; ++column)
        if (!isPlatform(cell(kGridRows - 1, column)))
            faults.push_back(name + "no floor under column " + std::to_string(column));
    // The character starts at (5, 534), 36 pixels tall: rows 26 to 28 of the first column.
    for (int row = 26; row <= 28; ++row)
        if (cell(row, 0) != kEmptyCell)
            faults.push_back(name + "the start is not free at row " + std::to_string(row));
    if (platforms > kMaxPlatforms) faults.push_back(name + std::to_string(platforms) + " platform cells");
    if (items > kMaxItems) faults.push_back(name + std::to_string(items) + " item cells");
    if (crystals == 0) faults.push_back(name + "no crystal");
    const bool last = level == g.LevelCount;
    if (last && dovis != 1) faults.push_back(name + "the last level must hold Dovi once");
    if (!last && dovis != 0) faults.push_back(name + "Dovi before the last level");
    return faults;
}

// Styles and items that no level of the set uses.
std::vector<std::string> unusedCodes(const Game& g) {
    std::set<int> used;
    for (int level = 0; level < g.LevelCount; ++level)
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column)
                used.insert(g.LevelGrid[row][column][level]);
    std::vector<std::string> faults;
    const std::pair<char, int> kinds[] = {{'G', 0},  {'S', 1},  {'M', 2},  {'B', 3},  {'I', 4},  {'^', 10},
                                          {'>', 11}, {'!', 12}, {'$', 13}, {'*', 14}, {'L', 15}, {'C', 16}};
    for (auto [letter, code] : kinds)
        if (!used.count(code)) faults.push_back(std::string("no level uses ") + letter);
    return faults;
}

std::vector<std::string> allFaults(const Game& g) {
    std::vector<std::string> faults = unusedCodes(g);
    for (int level = 1; level <= g.LevelCount; ++level) {
        auto more = levelFaults(g, level);
        faults.insert(faults.end(), more.begin(), more.end());
    }
    return faults;
}

// The shipped files, loaded by the game itself from a folder of their own.
class LevelDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        dir.write("Levels.txt", shippedFile("Levels.txt"));
        dir.write("LevelNames.txt", shippedFile("LevelNames.txt"));
        game->abandonWithoutSaving();
        loaded = game->LoadLevels();
    }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
    bool loaded = false;
};

TEST(LevelFilesOnDisk, EveryLineIsEighteenCharactersOrANameAndEndsWithCrLf) {
    std::vector<std::string> faults;
    const auto levelLines = crlfLines(shippedFile("Levels.txt"), faults);
    const auto nameLines = crlfLines(shippedFile("LevelNames.txt"), faults);

    ASSERT_EQ(levelLines.size(), 31u * kShippedLevels + 1);
    for (std::size_t i = 0; i < levelLines.size(); ++i) {
        const std::string& line = levelLines[i];
        if (line.size() != 18)
            faults.push_back("Levels.txt line " + std::to_string(i + 1) + " is not 18 long");
        // Separators every 31 lines, frames of X around every grid line.
        const bool separator = i % 31 == 0;
        if (separator && line != std::string(18, 'X'))
            faults.push_back("Levels.txt line " + std::to_string(i + 1) + " should separate two levels");
        if (!separator && (line.front() != 'X' || line.back() != 'X'))
            faults.push_back("Levels.txt line " + std::to_string(i + 1) + " lacks its frame");
    }

    ASSERT_EQ(nameLines.size(), static_cast<std::size_t>(kShippedLevels));
    std::set<std::string> distinct;
    for (const std::string& name : nameLines) {
        if (name.empty() || name.size() > 40 || name.front() == ' ' || name.back() == ' ')
            faults.push_back("level name \"" + name + "\" is empty, too long or padded");
        distinct.insert(name);
    }
    EXPECT_EQ(distinct.size(), nameLines.size()) << "two levels share a name";
    EXPECT_EQ(faults, std::vector<std::string>{});
}

TEST_F(LevelDataTest, TheGameLoadsFiftyLevelsWithTheirNames) {
    ASSERT_TRUE(loaded) << (headless.messages.shown.empty() ? "" : headless.messages.shown[0]);
    EXPECT_EQ(game->LevelCount, kShippedLevels);
    EXPECT_EQ(game->LevelNames[0], "First Light");
    EXPECT_EQ(game->LevelNames[kShippedLevels - 1], "Where Dovi Waits");
}

TEST_F(LevelDataTest, EveryLevelHasAFloorAFreeStartRoomToLayOutACrystalAndDoviOnlyAtTheEnd) {
    ASSERT_TRUE(loaded);
    EXPECT_EQ(allFaults(*game), std::vector<std::string>{});
}

// The rules above would pass anything if they were wrong, so each is broken once on a copy of
// the shipped set and must then speak up.
TEST_F(LevelDataTest, EachRuleNoticesTheLevelThatBreaksIt) {
    ASSERT_TRUE(loaded);
    auto faultsAfter = [&](auto&& breakIt) {
        auto copy = std::make_unique<Game>(headless.platform());
        copy->abandonWithoutSaving();
        copy->LevelCount = game->LevelCount;
        std::copy(&game->LevelGrid[0][0][0], &game->LevelGrid[0][0][0] + sizeof(game->LevelGrid),
                  &copy->LevelGrid[0][0][0]);
        breakIt(*copy);
        return allFaults(*copy);
    };
    using Faults = std::vector<std::string>;
    auto oneFaultLike = [](const Faults& faults, const std::string& start, const std::string& end) {
        return faults.size() == 1 && faults[0].starts_with(start) && faults[0].ends_with(end);
    };

    EXPECT_EQ(faultsAfter([](Game& g) { g.LevelGrid[29][7][2] = kEmptyCell; }),
              Faults{"level 3: no floor under column 7"});
    EXPECT_EQ(faultsAfter([](Game& g) { g.LevelGrid[27][0][11] = kCrystal; }),
              Faults{"level 12: the start is not free at row 27"});
    EXPECT_EQ(faultsAfter([](Game& g) { g.LevelGrid[26][0][4] = 0; }),
              Faults{"level 5: the start is not free at row 26"});
    EXPECT_EQ(faultsAfter([](Game& g) {
                  for (int row = 0; row < kGridRows; ++row)
                      for (int column = 0; column < kGridColumns; ++column)
                          if (g.LevelGrid[row][column][8] == kCrystal) g.LevelGrid[row][column][8] = 15;
              }),
              Faults{"level 9: no crystal"});
    EXPECT_EQ(faultsAfter([](Game& g) { g.LevelGrid[10][10][19] = kDovi; }),
              Faults{"level 20: Dovi before the last level"});
    EXPECT_EQ(faultsAfter([](Game& g) {
                  for (int row = 0; row < kGridRows; ++row)
                      for (int column = 0; column < kGridColumns; ++column)
                          if (g.LevelGrid[row][column][49] == kDovi) g.LevelGrid[row][column][49] = kCrystal;
              }),
              Faults({"no level uses C", "level 50: the last level must hold Dovi once"}));
    // Seven full rows on top of what a level holds already: more than a level start can lay out.
    EXPECT_TRUE(oneFaultLike(faultsAfter([](Game& g) {
                                 for (int row = 0; row < 7; ++row)
                                     for (int column = 0; column < kGridColumns; ++column)
                                         g.LevelGrid[row][column][0] = 2;
                             }),
                             "level 1: ", " platform cells"));
    EXPECT_TRUE(oneFaultLike(faultsAfter([](Game& g) {
                                 for (int row = 0; row < 7; ++row)
                                     for (int column = 0; column < kGridColumns; ++column)
                                         g.LevelGrid[row][column][6] = kCrystal;
                             }),
                             "level 7: ", " item cells"));
    // Every bouncing platform turned into an ordinary one leaves the set without one.
    EXPECT_EQ(faultsAfter([](Game& g) {
                  for (auto& row : g.LevelGrid)
                      for (auto& column : row)
                          for (uint8_t& code : column)
                              if (code == 3) code = 0;
              }),
              Faults{"no level uses B"});
}

}  // namespace
}  // namespace vorn

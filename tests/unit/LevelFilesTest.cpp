// "Levels.txt" and "LevelNames.txt": what loads, and the one message each broken file gives.
// That a failed load leaves the levels loaded before is the levels fuzz target's property, checked
// on its seeds and on the input that once broke it.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

using test::gridLine;
using test::LevelRows;
using test::levelsText;

const std::string kSeparator = test::separatorLine() + "\r\n";
const std::string kNames = test::levelNamesText(60);

// n blank grid lines, or n blank levels.
std::string grid(int n, const std::string& cells = std::string(16, ' ')) {
    std::string out;
    for (int i = 0; i < n; ++i) out += gridLine(cells) + "\r\n";
    return out;
}
std::string blankLevels(int n) { return levelsText(std::vector<LevelRows>(n)); }

// A level holding exactly 100 platforms and 100 items, to which one more of either is added.
LevelRows fullLevel(int extraRow, const std::string& extra) {
    LevelRows full;
    for (int r = 0; r < 6; ++r) full.rows[r] = std::string(16, 'G');
    full.rows[6] = "GGGG            ";
    for (int r = 10; r < 16; ++r) full.rows[r] = std::string(16, '$');
    full.rows[16] = "$$$$            ";
    if (extraRow >= 0) full.rows[extraRow] = extra;
    return full;
}

class LevelFilesTest : public ::testing::Test {
protected:
    void SetUp() override { headless.messages.echoToStderr = false; }

    // Loads the files given (a missing one is not written) and returns the one message shown,
    // or "" when there was none.
    std::string load(const std::optional<std::string>& levels,
                     const std::optional<std::string>& names = kNames) {
        dir.remove("Levels.txt");
        dir.remove("LevelNames.txt");
        if (levels) dir.write("Levels.txt", *levels);
        if (names) dir.write("LevelNames.txt", *names);
        game = std::make_unique<Game>(headless.platform());
        headless.messages.shown.clear();
        const bool loaded = game->LoadLevels();
        EXPECT_LE(headless.messages.shown.size(), 1u);
        EXPECT_EQ(loaded, headless.messages.shown.empty());
        return headless.messages.shown.empty() ? "" : headless.messages.shown[0];
    }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game;
};

TEST_F(LevelFilesTest, CellsGetTheirCodesAndNamesAreReadForEveryLevel) {
    LevelRows first, second;
    first.rows[0] = "GSMBI^>!$*LC    ";
    first.rows[29] = "               G";
    second.rows[15] = "B              $";
    ASSERT_EQ(load(levelsText({first, second}), "Green Start\r\nBlue Hills\r\nNever read\r\n"), "");
    EXPECT_EQ(game->LevelCount, 2);
    // Each letter's code is what the golden runs play on; here, where the cells go.
    EXPECT_EQ(game->LevelGrid[0][11][0], 16);
    EXPECT_EQ(game->LevelGrid[29][15][0], 0);
    EXPECT_EQ(game->LevelGrid[29][14][0], kEmptyCell);
    EXPECT_EQ(game->LevelGrid[15][0][1], 3);
    EXPECT_EQ(game->LevelGrid[15][15][1], 13);
    EXPECT_EQ(game->LevelNames[1], "Blue Hills");
    EXPECT_EQ(game->LevelNames[2], "");

    // A carriage return alone ends a line too, the last line needs none, and frame
    // characters other than X are accepted.
    LevelRows level;
    level.rows[3] = "  G             ";
    std::string text = levelsText({level}, "\r");
    text.replace(std::size_t{19} * 4, 1, "#");
    text.pop_back();
    ASSERT_EQ(load(text, "Only\rNot read"), "");
    EXPECT_EQ(game->LevelGrid[3][2][0], 0);
    EXPECT_EQ(game->LevelNames[0], "Only");

    // Grid lines after the last separator are stored but make no level; fifty levels and a
    // level of 100 platforms and 100 items fit.
    ASSERT_EQ(load(blankLevels(2) + grid(1, "B               ")), "");
    EXPECT_EQ(game->LevelCount, 2);
    EXPECT_EQ(game->LevelGrid[0][0][2], 3);
    ASSERT_EQ(load(blankLevels(50)), "");
    EXPECT_EQ(game->LevelCount, 50);
    EXPECT_EQ(load(levelsText({fullLevel(-1, ""), fullLevel(-1, "")})), "");
}

TEST_F(LevelFilesTest, EveryFaultStopsTheLoadingWithItsMessage) {
    std::string lowerX = blankLevels(2);
    lowerX.replace(31 * 20 + 5, 1, "x");  // a separator with one lower-case x is a grid line
    LevelRows badCharacter;
    badCharacter.rows[7] = "  MMx  g        ";
    struct Case {
        std::optional<std::string> levels, names;
        std::string message;
    };
    const Case cases[] = {
        {"", kNames, "No levels loaded."},
        {kSeparator + grid(30) + kSeparator + grid(29) + kSeparator, kNames, "Unexpected new level line"},
        {kSeparator + grid(30) + kSeparator + grid(31) + kSeparator, kNames, "Unexpected new level line"},
        {kSeparator + grid(12) + std::string(17, ' ') + "\r\n", kNames, "Level file line length invalid."},
        // Line feeds alone do not end lines: the whole file is one long line.
        {levelsText(std::vector<LevelRows>(2), "\n"), kNames, "Level file line length invalid."},
        {levelsText({badCharacter}), kNames, "Invalid level character: x"},
        {lowerX, kNames, "Invalid level character: X"},
        // A control character would not show, and a NUL would end the message: their codes show.
        {blankLevels(2) + grid(1, std::string("  G\0            ", 16)), kNames,
         "Invalid level character: (code 0)"},
        {blankLevels(2) + grid(1, "\t               "), kNames, "Invalid level character: (code 9)"},
        {grid(1) + blankLevels(1), kNames, "Grid line before the first new level line."},
        {blankLevels(51), kNames, "More than 50 levels."},
        {blankLevels(50) + grid(1), kNames, "More than 50 levels."},
        {levelsText({LevelRows{}, fullLevel(29, "               S")}), kNames,
         "Level 2 has more than 100 platforms."},
        {levelsText({fullLevel(29, "C               ")}), kNames, "Level 1 has more than 100 items."},
        {blankLevels(3), "One\r\nTwo\r\n", "Input past end of file"},
        {std::nullopt, kNames, "File not found"},
        {blankLevels(1), std::nullopt, "File not found"},
    };
    for (const Case& c : cases) EXPECT_EQ(load(c.levels, c.names), "Game - LoadLevels - " + c.message);
}

}  // namespace
}  // namespace vorn

// "Levels.txt" and "LevelNames.txt": what loads, and the one message each broken file gives.
#include <gtest/gtest.h>

#include <memory>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"

namespace vorn {
namespace {

using test::gridLine;
using test::LevelRows;
using test::levelsText;
using test::separatorLine;

class LevelFilesTest : public ::testing::Test {
protected:
    void SetUp() override { headless.messages.echoToStderr = false; }

    // Loads the given files and returns the one message shown, or "" when there was none.
    std::string load(const std::string& levels, const std::string& names) {
        dir.write("Levels.txt", levels);
        dir.write("LevelNames.txt", names);
        loaded = game->LoadLevels();
        EXPECT_LE(headless.messages.shown.size(), 1u);
        EXPECT_EQ(loaded, headless.messages.shown.empty());
        return headless.messages.shown.empty() ? "" : headless.messages.shown[0];
    }
    std::string load(const std::string& levels) { return load(levels, test::levelNamesText(60)); }

    // n levels of blank rows, lines ended by CR LF.
    static std::string blankLevels(int n) { return levelsText(std::vector<LevelRows>(n)); }
    static std::string lines(const std::vector<std::string>& all) {
        std::string out;
        for (const auto& l : all) out += l + "\r\n";
        return out;
    }
    static std::vector<std::string> blankGrid(int rows) {
        return std::vector<std::string>(rows, gridLine(std::string(16, ' ')));
    }

    test::DataDir dir{true};
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
    bool loaded = false;
};

TEST_F(LevelFilesTest, EveryCellCharacterGetsItsCodeAndNamesAreReadInOrder) {
    LevelRows first, second;
    first.rows[0] = "GSMBI^>!$*LC    ";
    first.rows[29] = "               G";
    second.rows[15] = "B              $";
    std::string names = "Green Start\r\nBlue Hills\r\nNever read\r\n";
    ASSERT_EQ(load(levelsText({first, second}), names), "");
    EXPECT_EQ(game->LevelCount, 2);

    const uint8_t codes[] = {0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 15, 16, 255, 255, 255, 255};
    for (int c = 0; c < 16; ++c) EXPECT_EQ(game->LevelGrid[0][c][0], codes[c]) << c;
    EXPECT_EQ(game->LevelGrid[29][15][0], 0);
    EXPECT_EQ(game->LevelGrid[29][14][0], kEmptyCell);
    EXPECT_EQ(game->LevelGrid[15][0][1], 3);
    EXPECT_EQ(game->LevelGrid[15][15][1], 13);
    EXPECT_EQ(game->LevelGrid[0][0][1], kEmptyCell);
    EXPECT_EQ(game->LevelNames[0], "Green Start");
    EXPECT_EQ(game->LevelNames[1], "Blue Hills");
    EXPECT_EQ(game->LevelNames[2], "") << "names after the last level are not read";
}

TEST_F(LevelFilesTest, LineEndsAreCrLfOrCrAloneAndTheFrameIsNotRead) {
    // A carriage return alone ends a line as well, in both files; the last line needs no end.
    LevelRows level;
    level.rows[3] = "  G             ";
    std::string text = levelsText({level}, "\r");
    text.pop_back();
    ASSERT_EQ(load(text, "Only\rNot read"), "");
    EXPECT_EQ(game->LevelCount, 1);
    EXPECT_EQ(game->LevelGrid[3][2][0], 0);
    EXPECT_EQ(game->LevelNames[0], "Only");

    // Frame characters other than X are accepted.
    std::vector<std::string> all{separatorLine()};
    for (int r = 0; r < 30; ++r) all.push_back(gridLine(std::string(16, ' '), r % 2 ? '#' : 'g'));
    all.push_back(separatorLine());
    headless.messages.shown.clear();
    EXPECT_EQ(load(lines(all)), "");
}

TEST_F(LevelFilesTest, TooFewLevelsGiveNoLevelsLoaded) {
    const std::string noLevels = "Game - LoadLevels - No levels loaded.";
    EXPECT_EQ(load(""), noLevels);

    headless.messages.shown.clear();
    EXPECT_EQ(load(lines({separatorLine()})), noLevels);

    // Thirty grid lines but no closing separator: the level is never closed.
    std::vector<std::string> unclosed{separatorLine()};
    for (const auto& l : blankGrid(30)) unclosed.push_back(l);
    headless.messages.shown.clear();
    EXPECT_EQ(load(lines(unclosed)), noLevels);
    EXPECT_EQ(game->LevelCount, 0);
}

TEST_F(LevelFilesTest, ALevelMustHaveExactlyThirtyGridLines) {
    for (int rows : {29, 31, 0}) {
        std::vector<std::string> all{separatorLine()};
        for (const auto& l : blankGrid(30)) all.push_back(l);
        all.push_back(separatorLine());
        for (const auto& l : blankGrid(rows)) all.push_back(l);
        all.push_back(separatorLine());
        headless.messages.shown.clear();
        EXPECT_EQ(load(lines(all)), "Game - LoadLevels - Unexpected new level line") << rows << " rows";
    }
}

TEST_F(LevelFilesTest, EveryLineMustBeEighteenCharacters) {
    const std::string invalid = "Game - LoadLevels - Level file line length invalid.";
    std::string good = blankLevels(2);
    for (const std::string& bad : {std::string(17, ' '), std::string(19, ' '), std::string()}) {
        std::vector<std::string> all{separatorLine()};
        for (const auto& l : blankGrid(12)) all.push_back(l);
        all.push_back(bad);
        headless.messages.shown.clear();
        EXPECT_EQ(load(lines(all)), invalid) << bad.size();
    }

    // A blank line at the end of an otherwise good file.
    headless.messages.shown.clear();
    EXPECT_EQ(load(good + "\r\n"), invalid);

    // Line feeds alone do not end lines: the whole file is one long line.
    headless.messages.shown.clear();
    EXPECT_EQ(load(levelsText(std::vector<LevelRows>(2), "\n")), invalid);
}

TEST_F(LevelFilesTest, CellsAreCheckedExactlyFromTheLeft) {
    LevelRows level;
    level.rows[7] = "  MMx  g        ";
    EXPECT_EQ(load(levelsText({level})), "Game - LoadLevels - Invalid level character: x");

    level.rows[7] = "  MMg           ";
    headless.messages.shown.clear();
    EXPECT_EQ(load(levelsText({level})), "Game - LoadLevels - Invalid level character: g");

    // A separator with one lower-case x is a grid line, and its first cell is an X.
    std::string text = blankLevels(2);
    text.replace(31 * 20 + 5, 1, "x");
    ASSERT_EQ(text.substr(31 * 20, 18), "XXXXXxXXXXXXXXXXXX");
    headless.messages.shown.clear();
    EXPECT_EQ(load(text), "Game - LoadLevels - Invalid level character: X");

    // Grid lines after the last separator are checked too, though they make no level.
    std::vector<std::string> all{separatorLine()};
    for (const auto& l : blankGrid(30)) all.push_back(l);
    all.push_back(separatorLine());
    for (const auto& l : blankGrid(30)) all.push_back(l);
    all.push_back(separatorLine());
    all.push_back(gridLine("  G  ?          "));
    headless.messages.shown.clear();
    EXPECT_EQ(load(lines(all)), "Game - LoadLevels - Invalid level character: ?");
}

TEST_F(LevelFilesTest, UnclosedLinesAfterTheLastLevelAreStoredButNotCounted) {
    std::vector<std::string> all{separatorLine()};
    for (const auto& l : blankGrid(30)) all.push_back(l);
    all.push_back(separatorLine());
    for (const auto& l : blankGrid(30)) all.push_back(l);
    all.push_back(separatorLine());
    all.push_back(gridLine("B               "));
    ASSERT_EQ(load(lines(all)), "");
    EXPECT_EQ(game->LevelCount, 2);
    EXPECT_EQ(game->LevelGrid[0][0][2], 3);
}

TEST_F(LevelFilesTest, NamesMustCoverEveryLevel) {
    EXPECT_EQ(load(blankLevels(3), "One\r\nTwo\r\nThree\r\nFour\r\n"), "");
    EXPECT_EQ(game->LevelNames[2], "Three");

    headless.messages.shown.clear();
    EXPECT_EQ(load(blankLevels(3), "One\r\nTwo\r\n"), "Game - LoadLevels - Input past end of file");
    EXPECT_EQ(game->LevelCount, 3) << "what was read stays read";
}

TEST_F(LevelFilesTest, MissingFilesAreNamedByThePlatformsMessage) {
    dir.write("LevelNames.txt", "One\r\n");
    EXPECT_FALSE(game->LoadLevels());
    EXPECT_EQ(headless.messages.shown, (std::vector<std::string>{"Game - LoadLevels - File not found"}));

    dir.remove("LevelNames.txt");
    dir.write("Levels.txt", blankLevels(1));
    headless.messages.shown.clear();
    EXPECT_FALSE(game->LoadLevels());
    EXPECT_EQ(headless.messages.shown, (std::vector<std::string>{"Game - LoadLevels - File not found"}));
}

TEST_F(LevelFilesTest, DataThatDoesNotFitIsTurnedAway) {
    // A grid line before the first separator has no level to go to.
    std::vector<std::string> early{gridLine(std::string(16, ' '))};
    std::string text = lines(early) + blankLevels(1);
    EXPECT_EQ(load(text), "Game - LoadLevels - Grid line before the first new level line.");

    // Fifty levels fit exactly; a grid line of a fifty-first does not.
    headless.messages.shown.clear();
    ASSERT_EQ(load(blankLevels(50)), "");
    EXPECT_EQ(game->LevelCount, 50);
    headless.messages.shown.clear();
    EXPECT_EQ(load(blankLevels(51)), "Game - LoadLevels - More than 50 levels.");
    headless.messages.shown.clear();
    EXPECT_EQ(load(blankLevels(50) + lines({gridLine(std::string(16, ' '))})),
              "Game - LoadLevels - More than 50 levels.");

    // A level start holds 100 platforms and 100 items.
    LevelRows full;
    for (int r = 0; r < 6; ++r) full.rows[r] = std::string(16, 'G');
    full.rows[6] = "GGGG            ";  // 100 platforms
    for (int r = 10; r < 16; ++r) full.rows[r] = std::string(16, '$');
    full.rows[16] = "$$$$            ";  // 100 items
    headless.messages.shown.clear();
    ASSERT_EQ(load(levelsText({LevelRows{}, full})), "");

    LevelRows tooManyPlatforms = full;
    tooManyPlatforms.rows[29] = "               S";
    headless.messages.shown.clear();
    EXPECT_EQ(load(levelsText({LevelRows{}, tooManyPlatforms})),
              "Game - LoadLevels - Level 2 has more than 100 platforms.");

    LevelRows tooManyItems = full;
    tooManyItems.rows[29] = "C               ";
    headless.messages.shown.clear();
    EXPECT_EQ(load(levelsText({tooManyItems})), "Game - LoadLevels - Level 1 has more than 100 items.");
}

}  // namespace
}  // namespace vorn

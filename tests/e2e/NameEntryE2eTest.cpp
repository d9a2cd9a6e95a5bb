// A whole game at the real program, from F1 to the high-score table: two short levels written
// for the test, the second with Dovi at the end of a row of crystals, are won by holding Right;
// the score, 1040, beats the last row of the default table, so the "High Score!" dialog asks
// for a name, which is typed through xdotool. The name then shows on the title screen, F3 plays
// the game back from its replay, and once the program has ended the name stands in
// "HighScores.dat". (Where replays are kept and how they are proved is the replay tests' part.)
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "support/DataDir.h"
#include "support/GameFiles.h"
#include "support/GameProcess.h"
#include "support/HeadlessScreen.h"
#include "support/ScreenCheck.h"
#include "support/Xvfb.h"

namespace vorn {
namespace {

using test::Box;
using test::Image;

using test::kHelpPanel;
using test::kHighScorePanel;
constexpr Box kWholeScreen{0, 0, 800, 600};

// Level 1: thirty crystals along the floor, all taken on the run (600 points). Level 2:
// twenty-two more (440) and then Dovi, who ends the game. Three more levels make the five a
// level start needs to share out the sceneries.
std::string twoLevelGame() {
    std::vector<test::LevelRows> levels(5);
    for (auto& level : levels) level.rows[29] = "GGGGGGGGGGGGGGGG";
    levels[0].rows[27] = " $$$$$$$$$$$$$$$";
    levels[0].rows[28] = " $$$$$$$$$$$$$$$";
    levels[1].rows[27] = " $$$$$$$$$$$    ";
    levels[1].rows[28] = " $$$$$$$$$$$C   ";
    for (int k = 2; k < 5; ++k) levels[k].rows[28] = " $$             ";
    return test::levelsText(levels);
}

bool navy(uint32_t p) { return test::near(p, 0x000080, 24); }

// The dialog's caption bar, dark blue over the middle of the screen.
std::optional<Box> dialogCaption(const Image& s) {
    if (!test::isScreen(s)) return std::nullopt;
    Box found{800, 600, -1, -1};
    int n = 0;
    for (int y = 150; y < 450; ++y)
        for (int x = 200; x < 600; ++x)
            if (navy(s.pixel(x, y))) {
                ++n;
                found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                         std::max(found.bottom, y + 1)};
            }
    if (n < 1500) return std::nullopt;
    return found;
}

class NameEntryOnX : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("Levels.txt", twoLevelGame());
        folder.write("LevelNames.txt", test::levelNamesText(5));
        test::GameProcess::copyProgramInto(folder.path());
    }

    test::DataDir folder;
    test::Xvfb x{800, 600};
};

TEST_F(NameEntryOnX, AWonGameAsksForTheNameWhichJoinsTheTableOnScreenAndOnDisk) {
    test::HeadlessScreen drawn;
    ASSERT_TRUE(drawn.ok());
    test::GameProcess game(folder.path());

    const Image before = test::waitForScreen(
        x, [](const Image& s) { return test::framed(s, kHighScorePanel, test::isYellow); }, 60000);
    ASSERT_TRUE(test::isScreen(before)) << game.errors();
    ASSERT_TRUE(test::focusGame());

    // F1, and Right held from the "Next Level" screen to the end of the second level.
    ASSERT_TRUE(x.key("F1"));
    ASSERT_TRUE(x.keyDown("Right"));
    const Image asked = test::waitForScreen(
        x, [](const Image& s) { return dialogCaption(s).has_value(); }, 60000);
    ASSERT_TRUE(x.keyUp("Right"));
    ASSERT_TRUE(test::isScreen(asked)) << "the name dialog never showed\n" << game.errors();

    // The name box (240, 480, 2415 x 285 twips into the dialog's face) starts empty, at most
    // the blinking caret in it, and shows what is typed.
    const Box caption = *dialogCaption(asked);
    const Box nameBox{caption.left + 17, caption.bottom + 33, caption.left + 16 + 160,
                      caption.bottom + 32 + 18};
    auto ink = [&](const Image& s) {
        return test::countPixels(s, nameBox, [](uint32_t p) { return test::near(p, 0, 90); });
    };
    EXPECT_LE(ink(asked), 15);
    EXPECT_GE(test::countPixels(asked, nameBox, test::isWhite), (nameBox.right - nameBox.left) * 12);
    ASSERT_TRUE(x.type("Ada Byron"));
    const Image typed = test::waitForScreen(
        x, [&](const Image& s) { return ink(s) >= 40; }, 3000);
    EXPECT_TRUE(test::isScreen(typed)) << "the typed name does not show";
    ASSERT_TRUE(x.key("Return"));

    // Dovi was rescued: the congratulation picture, then the title screen with the new row.
    EXPECT_TRUE(drawn.game.ShowBitmap(drawn.game.picture(drawn.game.SurfCongrat), true));
    const auto congrat = drawn.screen();
    EXPECT_TRUE(test::isScreen(test::waitForScreen(
        x, [&](const Image& s) { return test::likeness(s, *congrat, kWholeScreen) >= 0.98; }, 5000)))
        << "no congratulation picture";

    drawn.game.HighScores[9] = {"Ada Byron" + std::string(11, ' '), 1040};
    const auto expectedTitle = drawn.draw();
    const Image after = test::waitForScreen(
        x, [&](const Image& s) { return test::framed(s, kHelpPanel, test::isYellow); }, 8000);
    ASSERT_TRUE(test::isScreen(after)) << "no title screen after the game\n" << game.errors();
    EXPECT_GE(test::likeness(after, *expectedTitle, kWholeScreen), 0.99);
    // The title does not move: the new last row is there to the pixel, and was not before.
    const Box lastRow{610, 380, 800, 400};
    EXPECT_LT(test::maskOverlap(before, *expectedTitle, lastRow, test::isYellow), 0.9);
    EXPECT_GE(test::maskOverlap(after, *expectedTitle, lastRow, test::isYellow), 0.99);

    // The won game was kept beside the table; F3 plays it back, with the "Replay" marker, and
    // Escape ends it.
    ASSERT_TRUE(x.key("F3"));
    const Box marker{715, 576, 795, 597};
    EXPECT_TRUE(test::isScreen(test::waitForScreen(
        x, [&](const Image& s) { return test::framed(s, marker, test::isWhite); }, 8000)))
        << "F3 played no replay\n"
        << game.errors();
    ASSERT_TRUE(x.key("Escape"));
    const Image back = test::waitForScreen(
        x, [&](const Image& s) { return test::likeness(s, *expectedTitle, kWholeScreen) >= 0.99; }, 8000);
    EXPECT_TRUE(test::isScreen(back)) << "the replay did not end on the title, as it was";

    ASSERT_TRUE(x.key("Escape"));
    ASSERT_EQ(game.wait(15000), 0) << game.errors();
    // The last of the ten rows: the name padded to twenty characters, 1040 little-endian.
    const std::string table = folder.read("HighScores.dat");
    ASSERT_EQ(table.size(), 220u);
    EXPECT_EQ(table.substr(198), "Ada Byron" + std::string(11, ' ') + "\x10\x04");
}

}  // namespace
}  // namespace vorn

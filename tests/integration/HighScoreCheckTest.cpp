// Offering the score to the high-score table: where it goes, who names it, and the name's
// length.
#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class HighScoreCheck : public ::testing::Test {
protected:
    HighScoreCheck() {
        for (int k = 0; k < kHighScoreRows; ++k) {
            game.HighScores[k].Name = padded("Row " + std::to_string(k));
            game.HighScores[k].Score = static_cast<int16_t>(1000 - 100 * k);
        }
    }
    // The player types this name and presses OK.
    void typeName(const std::string& name) {
        play.host.dialogs.script = [name](Dialog& d) {
            d.find("txtName")->text = name;
            d.onClick("cmdOK");
        };
    }
    static std::string padded(const std::string& name) { return name + std::string(20 - name.size(), ' '); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const HighScoreEntry& e : game.HighScores) out.push_back(e.Name);
        return out;
    }
    std::vector<int> scores() const {
        std::vector<int> out;
        for (const HighScoreEntry& e : game.HighScores) out.push_back(e.Score);
        return out;
    }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(HighScoreCheck, AScoreGoesBelowTheEntriesItEqualsAndIsNamedByThePlayer) {
    typeName("Ann");
    game.Score = 500;
    game.CheckHighScore();
    EXPECT_EQ(scores(), (std::vector<int>{1000, 900, 800, 700, 600, 500, 500, 400, 300, 200}));
    EXPECT_EQ(game.HighScores[6].Name, padded("Ann"));
    EXPECT_EQ(game.HighScores[5].Name, padded("Row 5"));
    EXPECT_EQ(game.HighScores[7].Name, padded("Row 6"));
    EXPECT_EQ(game.HighScores[9].Name, padded("Row 8"));

    // A new best goes to the top; the old best moves down with its name.
    typeName("Zoë");
    game.Score = 1500;
    game.CheckHighScore();
    EXPECT_EQ(scores(), (std::vector<int>{1500, 1000, 900, 800, 700, 600, 500, 500, 400, 300}));
    EXPECT_EQ(game.HighScores[0].Name, "Zoë" + std::string(17, ' ')) << "padded to 20 characters";
    EXPECT_EQ(game.HighScores[1].Name, padded("Row 0"));
}

TEST_F(HighScoreCheck, AScoreNotAboveTheLastEntryLeavesTheTableAlone) {
    const int runs = play.host.dialogs.runs;
    const auto before = names();
    game.Score = 100;
    game.CheckHighScore();
    EXPECT_EQ(play.host.dialogs.runs, runs) << "no name is asked for";
    EXPECT_EQ(scores(), (std::vector<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}));
    EXPECT_EQ(names(), before);

    typeName("Tenth");
    game.Score = 101;
    game.CheckHighScore();
    EXPECT_EQ(game.HighScores[9].Score, 101);
    EXPECT_EQ(game.HighScores[9].Name, padded("Tenth"));
    EXPECT_EQ(game.HighScores[8].Score, 200);
}

TEST_F(HighScoreCheck, WhenNoNameComesBackTheRowKeepsTheNameItHasAfterTheMove) {
    // The dialog cannot be shown before the game is set up: the row keeps the moved name.
    game.Initialized = false;
    play.messages().clear();
    game.Score = 750;
    game.CheckHighScore();
    EXPECT_EQ(play.messages(), (std::vector<std::string>{"Game - AskForName - Not initialized."}));
    EXPECT_EQ(game.HighScores[3].Score, 750);
    EXPECT_EQ(game.HighScores[3].Name, padded("Row 3")) << "the name of the row that held the place";
    EXPECT_EQ(game.HighScores[4].Name, padded("Row 3"));

    game.Score = 250;
    game.CheckHighScore();
    EXPECT_EQ(game.HighScores[9].Score, 250);
    EXPECT_EQ(game.HighScores[9].Name, padded("Row 8")) << "the name of the row that fell out";
}

}  // namespace
}  // namespace vorn::test

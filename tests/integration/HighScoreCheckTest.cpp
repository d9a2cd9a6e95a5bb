// Offering the score to the high-score table: where it goes, who names it, and the name's
// length.
#include <gtest/gtest.h>

#include "forms/frmHighScore.h"
#include "platform/Dialog.h"
#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class HighScoreCheck : public ::testing::Test {
protected:
    HighScoreCheck() {
        for (int k = 0; k < kHighScoreRows; ++k)
            game.HighScores[k] = {padded("Row " + std::to_string(k)), static_cast<int16_t>(1000 - 100 * k)};
    }
    // The player types this name and presses OK.
    void offer(int score, const std::string& name) {
        play.host.dialogs.script = [name](Dialog& d) {
            d.control(frmHighScore::kName).text = name;
            d.onClick(frmHighScore::kOK);
        };
        game.Score = static_cast<int16_t>(score);
        game.CheckHighScore();
    }
    std::vector<int> scores() const {
        std::vector<int> out;
        for (const HighScoreEntry& e : game.HighScores) out.push_back(e.Score);
        return out;
    }
    const std::string& name(int row) const { return game.HighScores[row].Name; }
    static std::string padded(const std::string& name) { return name + std::string(20 - name.size(), ' '); }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(HighScoreCheck, AScoreAboveTheLastRowGoesBelowTheEntriesItEqualsAndIsNamedByThePlayer) {
    const int runs = play.host.dialogs.runs;
    offer(100, "Nobody");
    EXPECT_EQ(play.host.dialogs.runs, runs) << "no name is asked for";
    offer(101, "Tenth");
    EXPECT_EQ(name(9), padded("Tenth"));
    offer(500, "Ann");
    EXPECT_EQ(scores(), (std::vector<int>{1000, 900, 800, 700, 600, 500, 500, 400, 300, 200}));
    EXPECT_EQ(name(5), padded("Row 5"));
    EXPECT_EQ(name(6), padded("Ann"));
    EXPECT_EQ(name(7), padded("Row 6"));

    // A new best goes to the top, padded to 20 characters; the old best moves down with its name.
    offer(1500, "Zoë");
    EXPECT_EQ(scores(), (std::vector<int>{1500, 1000, 900, 800, 700, 600, 500, 500, 400, 300}));
    EXPECT_EQ(name(0), "Zoë" + std::string(17, ' '));
    EXPECT_EQ(name(1), padded("Row 0"));
}

TEST_F(HighScoreCheck, WhenNoNameComesBackTheRowKeepsTheNameItHasAfterTheMove) {
    // The dialog cannot be shown before the game is set up.
    game.Initialized = false;
    play.messages().clear();
    offer(750, "Unseen");
    EXPECT_EQ(play.messages(), (std::vector<std::string>{"Game - AskForName - Not initialized."}));
    EXPECT_EQ(scores()[3], 750);
    EXPECT_EQ(name(3), padded("Row 3")) << "the name of the row that held the place";
}

}  // namespace
}  // namespace vorn::test

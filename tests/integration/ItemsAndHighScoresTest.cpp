// Picking items up: each kind's effect, picture and sound, several in one frame, and health
// that never wraps (the items' animation and the timers running down are in the golden runs);
// and offering the score to the high-score table: where it goes, who names it, and the name's
// length.
#include <gtest/gtest.h>

#include "forms/frmHighScore.h"
#include "platform/Dialog.h"
#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class ItemPickUp : public ::testing::Test {
protected:
    // Items on row 28 stand on the floor of row 29; the character stands at x 360, touching
    // the item of column 7. Two crystals far up keep the level going.
    void start(const std::string& row28) {
        ASSERT_TRUE(play.startBare(
            PlayFixture::gridOf({{0, "              $$"}, {28, row28}, {29, std::string(16, 'G')}})));
        play.standOn(play.platformAt(29, 7), 360.0f);
    }
    // The items of row 28, after the two crystals of row 0.
    ItemRec& item(int n) { return game.Items[2 + n]; }

    PlayFixture play;
    Game& game = play.game;
};

TEST_F(ItemPickUp, EachItemHasItsEffectPictureAndSoundAndIsTakenOnce) {
    struct Kind {
        std::string letter;
        int16_t Game::*counter;
        int16_t before, after;
        SurfaceRef Game::*picture;
        const char* sound;
    } const kinds[] = {
        {"^", &Game::HyperJumps, 3, 5, &Game::SurfHighJump, "HyperJump"},
        {">", &Game::SpeedTime, 100, 900, &Game::SurfExtraSpeed, "Speed"},
        {"!", &Game::InvulnerableTime, 100, 300, &Game::SurfInvulnerable, "Invulnerability"},
        {"*", &Game::BallBlasterTime, 100, 450, &Game::SurfShoot, "BallBlaster"},
        {"L", &Game::Health, 7, 8, &Game::SurfExtraHealth, "ExtraHealth"},
        {"$", &Game::CrystalsTaken, 0, 1, &Game::SurfCrystal, "Crystal"},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.letter);
        start("       " + kind.letter);
        game.Score = 100;
        game.*kind.counter = kind.before;
        const ItemRec before = item(0);
        ASSERT_TRUE(play.frames(1));

        EXPECT_EQ(game.*kind.counter, kind.after) << "set, not added to";
        EXPECT_EQ(game.Score, kind.letter == "$" ? 120 : 100);
        EXPECT_EQ(play.played(), (std::vector<std::string>{kind.sound}));
        EXPECT_EQ((Rect{item(0).Left, item(0).Top, item(0).Right, item(0).Bottom}),
                  (Rect{800, before.Top, 840, before.Bottom}))
            << "moved off the screen";
        const ParticleSystem& effect = game.ParticleSystems[0];
        EXPECT_EQ(effect.Picture, (game.*kind.picture).get());
        EXPECT_EQ((std::vector<float>{effect.OriginX, effect.OriginY}),
                  (std::vector<float>{static_cast<float>(before.Left), static_cast<float>(before.Top)}));
        EXPECT_EQ(effect.PieceWidth, kind.letter == "$" ? 10 : 2) << "crystal or pick-up settings";

        play.played().clear();
        game.CharX = 800.0f - 35.0f;
        ASSERT_TRUE(play.frames(2));
        EXPECT_TRUE(play.played().empty()) << "a taken item is never taken again";
    }
}

// Health stops at its limit instead of wrapping.
TEST_F(ItemPickUp, ItemsTouchingTogetherAreTakenInIndexOrder) {
    start("       L!");
    game.CharX = 380.0f;
    game.Health = 32767;
    ASSERT_TRUE(play.frames(1));
    EXPECT_EQ(play.played(), (std::vector<std::string>{"ExtraHealth", "Invulnerability"}));
    EXPECT_EQ(game.Health, 32767);
    EXPECT_EQ(item(1).Left, 800);
    EXPECT_EQ(game.ParticleSystems[1].Picture, game.SurfInvulnerable.get());
}

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

}  // namespace
}  // namespace vorn::test

// A game recorded as it is played and played again from its replay: the same keys on the same
// start come to the same end, a pause is no frame, the name comes from the replay, and a replay
// that does not fit the game or lies about its end is found out.
#include <gtest/gtest.h>

#include <string>

#include "forms/frmHighScore.h"
#include "game/replay/ReplayFormat.h"
#include "game/replay/ReplayPlayer.h"
#include "game/replay/ReplayRecorder.h"
#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

class ReplayGame : public ::testing::Test {
protected:
    ReplayGame() {
        // Level 1: a crystal by the start. Level 2: a crystal, then Dovi further right.
        play.useLevels(2, PlayFixture::gridOf({{28, "  $"}, {29, std::string(16, 'G')}}));
        play.setGrid(2, PlayFixture::gridOf({{28, "  $   C"}, {29, std::string(16, 'G')}}));
        lowTable();
    }
    // Any score enters the table.
    void lowTable() {
        for (HighScoreEntry& row : game.HighScores) row = HighScoreEntry{};
    }

    // Plays a game to its end: a few idle frames, a pause, F7 between frames, then Right until
    // Dovi is reached and the name "Ace" is typed.
    Replay recordAGame() {
        play.host.dialogs.script = [](Dialog& d) {
            d.control(frmHighScore::kName).text = "Ace";
            d.onClick(frmHighScore::kOK);
        };
        game.Rng.seed(9);
        game.DevMode = true;  // F7 acts only for a developer
        recorder.begin(game, "1.0", 1796000000);
        game.playerInput = &recorder;
        EXPECT_TRUE(game.StartGame());
        EXPECT_TRUE(play.frames(10));

        // One frame with P: the pause's own passes are no frames.
        int pass = 0;
        play.host.keyboard.beforeSnapshot = [&pass](HeadlessKeyboard& k) {
            k.releaseAll();
            if (pass == 0 || pass == 2) k.press(key::P);
            k.press(key::Right);
            ++pass;
        };
        EXPECT_TRUE(game.DoFrame());
        play.host.keyboard.beforeSnapshot = nullptr;
        EXPECT_EQ(pass, 4);
        EXPECT_EQ(game.framesPlayed, 11u);

        game.SetCharHealth(10);
        recorder.command(game, 118);
        EXPECT_GT(play.framesUntil([&] { return !game.IsRunning(); }, 3000, {key::Right}), 0);
        game.playerInput = nullptr;
        return recorder.finish(game, endOf(game));
    }

    PlayFixture play;
    Game& game = play.game;
    ReplayRecorder recorder;
};

TEST_F(ReplayGame, ARecordedGamePlaysAgainToTheSameEndWithoutAskingForTheName) {
    const Replay recorded = recordAGame();
    EXPECT_EQ(recorded.end, GameEnd::Won);
    EXPECT_EQ((std::vector<int>{recorded.level, recorded.score, recorded.health}),
              (std::vector<int>{2, 40, 10}));
    EXPECT_TRUE(recorded.nameAsked);
    EXPECT_EQ(recorded.name, "Ace");
    EXPECT_EQ(recorded.commands, (std::vector<ReplayCommand>{{11, 118}}));
    EXPECT_EQ(recorded.random, (Random(9).state()));
    EXPECT_EQ(recorded.keys.front(), (KeyRun{0, 10}));
    EXPECT_EQ(recorded.keys[1].keys, 2) << "Right, without the P of the pause";

    // On the file and back, then played on the same game with a fresh table.
    ReplayPlayer player(decodeReplay(encodeReplay(recorded)));
    EXPECT_EQ(player.refusal(game), "");
    lowTable();
    play.host.dialogs.script = [](Dialog&) { ADD_FAILURE() << "a replay asked for the name"; };
    game.Rng.seed(1234);
    int frames = 0;
    EXPECT_EQ(playReplay(game, player, [&] { ++frames; }), "");
    EXPECT_EQ(frames, static_cast<int>(recorded.frames));
    EXPECT_EQ(game.HighScores[0].Name.substr(0, 4), "Ace ");
    EXPECT_EQ(game.playerInput, nullptr);
}

TEST_F(ReplayGame, ThePlayersPPausesAReplayWhoseFramesGoOnWithTheirOwnKeys) {
    const Replay recorded = recordAGame();
    ReplayPlayer player(recorded);
    lowTable();
    game.playerInput = &player;
    ASSERT_TRUE(player.start(game));
    // The player holds Left and presses P: the pause waits for P again; the frame then plays
    // the replay's first keys (none), not Left.
    int pass = 0;
    play.host.keyboard.beforeSnapshot = [&pass](HeadlessKeyboard& k) {
        k.releaseAll();
        k.press(key::Left);
        if (pass == 0 || pass == 2) k.press(key::P);
        k.failRead = ++pass > 4;
    };
    ASSERT_TRUE(game.DoFrame());
    game.playerInput = nullptr;
    EXPECT_EQ(pass, 4) << "the pause waited for P";
    EXPECT_EQ(game.framesPlayed, 1u);
    EXPECT_EQ(game.KeyState[key::Left], 0);
    EXPECT_EQ(game.KeyState[key::P], 0);
    EXPECT_TRUE(play.messages().empty());
}

TEST_F(ReplayGame, AReplayThatDoesNotFitTheGameOrClaimsAnotherEndIsFoundOut) {
    const Replay recorded = recordAGame();
    auto verdict = [&](auto change) {
        Replay r = recorded;
        change(r);
        ReplayPlayer player(r);
        lowTable();
        return playReplay(game, player, nullptr);
    };
    const std::string at = "after " + std::to_string(recorded.frames) + " frames: ";
    EXPECT_EQ(verdict([](Replay& r) { r.score = 60; }), at + "score 40, the replay claims 60");
    EXPECT_EQ(verdict([](Replay& r) { r.health = 7; }), at + "health 10, the replay claims 7");
    EXPECT_EQ(verdict([](Replay& r) { r.end = GameEnd::GameOver; }),
              at + "the game was won, the replay claims it was lost");
    EXPECT_EQ(verdict([](Replay& r) { r.commands.clear(); }), at + "health 7, the replay claims 10");
    EXPECT_EQ(verdict([](Replay& r) {
                  r.frames += 5;
                  r.keys.back().frames += 5;
              }),
              "the game ended after " + std::to_string(recorded.frames) + ", the replay claims " +
                  std::to_string(recorded.frames + 5) + " frames");
    EXPECT_EQ(verdict([](Replay& r) {
                  r.end = GameEnd::Left;
                  r.frames -= 1;
                  r.keys.back().frames -= 1;
              }),
              "after " + std::to_string(recorded.frames - 1) +
                  " frames: the game asked for no name, the replay has one");

    Replay other = recorded;
    other.rulesVersion = kRulesVersion + 1;
    other.gameVersion = "1.1";
    EXPECT_EQ(ReplayPlayer(other).refusal(game),
              "the replay was made by Vorn! 1.1, whose rules differ from this one's");
    play.setGrid(1, PlayFixture::gridOf({{28, "   $"}, {29, std::string(16, 'G')}}));
    EXPECT_EQ(ReplayPlayer(recorded).refusal(game), "the replay was played on another level set");
}

}  // namespace
}  // namespace vorn::test

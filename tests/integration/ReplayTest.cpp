// A game recorded as it is played and played again from its replay: the same keys on the same
// start come to the same end, a pause is no frame, the name comes from the replay, and a replay
// that does not fit the game or lies about its end is found out. And replays in the program:
// every game played through the main window's keys and the main loop is kept in "replays"
// beside the high scores and proves itself; a kept game plays back in the loop (Tab four times
// as fast, the developer's keys shut out) and leaves the table and the generator as they were;
// a file that cannot be played is refused with its reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/Globals.h"
#include "app/MainLoop.h"
#include "app/ReplayKeeper.h"
#include "app/ReplayViewer.h"
#include "app/frmMain.h"
#include "forms/frmHighScore.h"
#include "game/persist/DataFile.h"
#include "game/replay/ReplayFormat.h"
#include "game/replay/ReplayPlayer.h"
#include "game/replay/ReplayRecorder.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/GameFiles.h"
#include "support/PlayFixture.h"

namespace fs = std::filesystem;

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

using Messages = std::vector<std::string>;
constexpr int kTab = 0x0F;

class Replays : public ::testing::Test {
protected:
    void SetUp() override {
        headless.messages.echoToStderr = false;
        test::writeGameFiles(dir);
        // Level 1: a crystal right of the start. Level 2: a crystal, then Dovi.
        std::vector<test::LevelRows> levels(5);
        for (auto& level : levels) level.rows[29] = "GGGGGGGGGGGGGGGG";
        levels[0].rows[28] = "  $             ";
        levels[1].rows[28] = "  $   C         ";
        dir.write("Levels.txt", test::levelsText(levels));
        ASSERT_TRUE(game->Initialize(true));
        game->abandonWithoutSaving();
        for (HighScoreEntry& row : game->HighScores) row.Score = 10;
        globals.gGame = game.get();
        globals.gDevMode = true;
        globals.gReplayKeeper = &keeper;
        globals.gReplayViewer = &viewer;
        form.Load();
        headless.dialogs.script = [](Dialog& d) {
            d.control(frmHighScore::kName).text = "Ace";
            d.onClick(frmHighScore::kOK);
        };
    }

    // Runs the main loop until the game, once running, is over: `onSnapshot(n)` sees every
    // reading of the keyboard in play, counted from 0, and sets the keys.
    void loop(const std::function<void(int, HeadlessKeyboard&)>& onSnapshot) {
        int n = 0;
        headless.keyboard.beforeSnapshot = [&](HeadlessKeyboard& k) {
            k.releaseAll();
            onSnapshot(n++, k);
        };
        bool ran = false;
        int passes = 0;
        headless.window.beforePump = [&](HeadlessWindow& w) {
            ran = ran || game->IsRunning();
            // Closing the window ends the loop after the pass; a loop that missed its end too.
            w.closed = (ran && !game->IsRunning()) || ++passes > 20000;
        };
        ASSERT_TRUE(MainLoop(headless.platform(), globals).run());
        EXPECT_LT(passes, 20000) << "the game did not end";
        headless.keyboard.beforeSnapshot = nullptr;
        headless.window.beforePump = nullptr;
        headless.window.closed = false;
    }
    Replay kept(const std::string& name) {
        const auto bytes = readDataFile((folder / name).string());
        EXPECT_TRUE(bytes) << name;
        return bytes ? decodeReplay(*bytes) : Replay{};
    }
    std::vector<std::string> keptNames() {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Plays a replay headless on a second game over the same files: what vorn-sim --verify does.
    static std::string proof(const Replay& replay) {
        HeadlessPlatform other;
        other.messages.echoToStderr = false;
        Game fresh(other.platform());
        fresh.abandonWithoutSaving();
        EXPECT_TRUE(fresh.Initialize(true));
        for (HighScoreEntry& row : fresh.HighScores) row.Score = 10;
        ReplayPlayer player(replay);
        return playReplay(fresh, player, nullptr);
    }

    test::DataDir dir{true};
    fs::path folder = dir.path() / "replays";
    HeadlessPlatform headless;
    std::unique_ptr<Game> game = std::make_unique<Game>(headless.platform());
    Globals globals;
    frmMain form{headless.window, globals};
    ReplayKeeper keeper{*game, folder};
    ReplayViewer viewer{*game, headless.keyboard, headless.messages, folder};
};

TEST_F(Replays, AGameLeftWithEscapeIsKeptAsTheLastAndProvesItself) {
    headless.window.queueKeyDown(vk::F1);
    loop([&](int n, HeadlessKeyboard& k) {
        if (n < 40) k.press(key::Right);
        if (n == 20) headless.window.queueKeyDown(vk::F7);
        if (n == 29) headless.window.queueKeyDown(vk::Escape);
    });
    EXPECT_EQ(keptNames(), std::vector<std::string>{"last.vrep"});
    const Replay r = kept("last.vrep");
    EXPECT_EQ(r.end, GameEnd::Left);
    EXPECT_EQ(r.frames, 30u);
    EXPECT_EQ(r.score, 20);
    EXPECT_EQ(r.commands, (std::vector<ReplayCommand>{{21, 118}})) << "F7 between frames 21 and 22";
    EXPECT_EQ(proof(r), "");
    EXPECT_EQ(headless.messages.shown, Messages{});
}

// The first game is cut short by F1; the second is won, enters the table, and is left with
// Escape while it puts up its last picture.
TEST_F(Replays, AGameInTheTableIsAlsoKeptUnderItsDateAndScoreAndANewGameEndsTheOneBefore) {
    headless.dialogs.script = [&](Dialog& d) {
        d.control(frmHighScore::kName).text = "Ace";
        d.onClick(frmHighScore::kOK);
        headless.window.queueKeyDown(vk::Escape);
    };
    headless.window.queueKeyDown(vk::F1);
    loop([&](int n, HeadlessKeyboard& k) {
        k.press(key::Right);
        if (n == 9) headless.window.queueKeyDown(vk::F1);
        if (n == 10) {
            EXPECT_EQ(kept("last.vrep").end, GameEnd::Restarted);
        }
    });
    const std::vector<std::string> names = keptNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].substr(names[0].size() - 14), "_score-40.vrep") << names[0];
    EXPECT_EQ(kept(names[0]), kept("last.vrep"));
    const Replay won = kept("last.vrep");
    EXPECT_EQ(won.end, GameEnd::Left);
    EXPECT_TRUE(won.nameAsked);
    EXPECT_EQ(won.name, "Ace");
    EXPECT_EQ(proof(won), "");
}

TEST_F(Replays, AReplayThatCannotBeKeptCostsALineOnStandardErrorAndNothingElse) {
    dir.write("replays", "a file where the folder should be");
    headless.window.queueKeyDown(vk::F1);
    testing::internal::CaptureStderr();
    loop([&](int n, HeadlessKeyboard&) {
        if (n == 5) headless.window.queueKeyDown(vk::Escape);
    });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Vorn! - the replay could not be kept in"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(headless.messages.shown, Messages{});
}

TEST_F(Replays, AKeptGamePlaysBackFastWithTabAndLeavesTheTableAndTheGeneratorAsTheyWere) {
    headless.window.queueKeyDown(vk::F1);
    loop([&](int, HeadlessKeyboard& k) { k.press(key::Right); });
    const Replay won = kept("last.vrep");
    const auto table = game->HighScores;
    const Random::State random = game->Rng.state();

    // Tab held: four frames a pass. F5 does nothing while the replay plays.
    ASSERT_TRUE(viewer.watch(folder / "last.vrep"));
    EXPECT_TRUE(game->replayMarker);
    for (HighScoreEntry& row : game->HighScores) row.Score = 10;
    int levelSeen = 0;
    const int pumps = headless.window.pumps;
    loop([&](int, HeadlessKeyboard& k) {
        k.press(kTab);
        levelSeen = std::max<int>(levelSeen, game->Level);
        headless.window.queueKeyDown(vk::F5);
    });
    // One pump a pass, and one in each level start and at the end of the game.
    const int passes = headless.window.pumps - pumps;
    EXPECT_FALSE(viewer.watching());
    EXPECT_FALSE(game->replayMarker);
    EXPECT_EQ(levelSeen, 2) << "F5 skipped no level";
    EXPECT_EQ(game->Score, won.score);
    EXPECT_GE(passes, static_cast<int>(won.frames) / 4);
    EXPECT_LE(passes, static_cast<int>(won.frames) / 4 + 5);
    EXPECT_EQ(game->HighScores, table) << "the replay's name went into the table";
    EXPECT_EQ(game->Rng.state(), random);
    EXPECT_EQ(keptNames().size(), 2u) << "a replay is not recorded again";
}

TEST_F(Replays, F3PlaysTheTopRowsGameElseTheLastAndAFileThatCannotBePlayedIsRefused) {
    form.Form_KeyDown(vk::F3);
    EXPECT_FALSE(viewer.watching()) << "nothing kept, nothing played";

    // Three kept games, told apart by when they were played.
    Replay top;
    top.level = 1, top.frames = 1, top.keys = {{0, 1}}, top.end = GameEnd::Left;
    top.nameAsked = true, top.name = "Ace", top.score = 0, top.health = 7, top.playedAt = 100;
    top.levelSet = game->levelSetFingerprint();
    Replay older = top, last = top;
    older.playedAt = 50;
    last.playedAt = 7, last.nameAsked = false, last.name = "";
    replaceFile((folder / "last.vrep").string(), encodeReplay(last));
    replaceFile((folder / "b.vrep").string(), encodeReplay(top));
    replaceFile((folder / "a.vrep").string(), encodeReplay(older));

    auto playedWithF3 = [&]() -> int64_t {
        form.Form_KeyDown(vk::F3);
        const int64_t played = viewer.watching() ? viewer.player()->replay().playedAt : -1;
        viewer.stop();
        return played;
    };
    EXPECT_EQ(playedWithF3(), 7) << "no row has its game kept: the last game";
    game->HighScores[0] = {"Ace" + std::string(17, ' '), 0};
    EXPECT_EQ(playedWithF3(), 100) << "the top row's, the newest of two";
    game->HighScores[0].Score = 1;
    EXPECT_EQ(playedWithF3(), 7);

    headless.messages.shown.clear();
    dir.write("replays/last.vrep", encodeReplay(last).substr(0, 30));
    EXPECT_EQ(playedWithF3(), -1);
    game->LevelGrid[3][3][0] = 0;
    EXPECT_FALSE(viewer.watch(folder / "a.vrep"));
    EXPECT_FALSE(viewer.watch(folder / "missing.vrep"));
    EXPECT_EQ(headless.messages.shown,
              (Messages{"The replay last.vrep cannot be played: the replay file is damaged (its check sum "
                        "does not match)",
                        "The replay a.vrep cannot be played: the replay was played on another level set",
                        "The replay missing.vrep cannot be played: there is no such file"}));
    EXPECT_FALSE(game->IsRunning());
}

}  // namespace
}  // namespace vorn::test

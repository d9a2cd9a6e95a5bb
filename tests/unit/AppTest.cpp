// The program around the game, in pieces that need no data: the command line (what the help
// says is read from the real program's output), where the data is found and where the two files
// go (a copied folder, an installed game, a level set of its own, the player's save folder, the
// test of a writable folder, the program's own folder), the frame pacing, which command key
// calls what, and the options and name dialogs answered by scripts as a player would answer
// them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/GamePaths.h"
#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"
#include "game/state/Game.h"
#include "platform/ProcessInfo.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

using Messages = std::vector<std::string>;

TEST(FramePacing, SleepsTheRestOfThirtyMillisecondsAndNeverMakesUpForASlowPass) {
    const struct {
        int32_t start, end;
        uint32_t sleep;
    } cases[] = {{1000, 1012, 18},
                 {1000, 1000, 30},
                 {1000, 1029, 1},
                 {1000, 1030, 0},
                 {1000, 1100, 0},
                 // The clock wraps: across the sign change of the 32-bit reading and across its end.
                 {INT32_MAX - 4, INT32_MIN + 7, 18},
                 {-3, 9, 18},
                 {INT32_MAX - 4, INT32_MIN + 40, 0}};
    for (const auto& c : cases) EXPECT_EQ(frameSleep(c.start, c.end), c.sleep) << c.start << " to " << c.end;
}

// Before Initialize every game operation answers with its own "Not initialized." message,
// which tells which operation a key reached.
TEST(CommandKeys, EachKeyReachesItsOperationOnlyWhereItShould) {
    HeadlessPlatform headless;
    headless.messages.echoToStderr = false;
    Game game(headless.platform());
    Globals globals;
    globals.gGame = &game;
    frmMain form(headless.window, globals);
    form.Load();
    EXPECT_EQ(headless.window.caption, "Vorn! version 1.0");

    const Messages none, startNext{"Game - StartNextLevel - Not initialized."};
    struct Case {
        bool devMode;
        int16_t state;
        int key;
        Messages shown;
        bool exits = false;
        int16_t health = 3, level = 4;
    };
    std::vector<Case> cases = {
        {false, kTitle, vk::F1, {"Game - StartGame - Not initialized."}},
        {false, kPlaying, vk::F2, {"Game - ShowOptions - Not initialized."}},
        {false, kPlaying, vk::Escape, {"Game - StopGame - Not initialized."}},
        {false, kTitle, vk::Escape, none, true},
        {false, kPlaying, vk::F5, none},
        {false, kPlaying, vk::F6, none},
        {false, kPlaying, vk::F7, none},
        {true, kPlaying, vk::F5, startNext},
        // With no levels loaded the jump lands on level 1, so the level before it is 0.
        {true, kPlaying, vk::F6, startNext, false, 3, 0},
        {true, kPlaying, vk::F7, none, false, 10, 4},
        // The pad's Start and A are F1 on the title only, its Back is Escape in a game only.
        {false, kTitle, vk::PadStart, {"Game - StartGame - Not initialized."}},
        {false, kTitle, vk::PadA, {"Game - StartGame - Not initialized."}},
        {false, kPlaying, vk::PadStart, none},
        {false, kPlaying, vk::PadA, none},
        {false, kPlaying, vk::PadBack, {"Game - StopGame - Not initialized."}},
        {false, kTitle, vk::PadBack, none},
    };
    for (int other : {13, 32, 80, 114, 119, 122, 0, 255}) cases.push_back({true, kPlaying, other, none});
    for (const Case& c : cases) {
        globals.gDevMode = c.devMode;
        globals.gExitRequested = false;
        game.GameState = c.state;
        game.Health = 3;
        game.Level = 4;
        headless.messages.shown.clear();
        headless.window.queueKeyDown(c.key);
        headless.window.pumpMessages();
        EXPECT_EQ(headless.messages.shown, c.shown) << c.key << (c.devMode ? " in developer mode" : "");
        EXPECT_EQ(globals.gExitRequested, c.exits) << c.key;
        EXPECT_EQ(game.Health, c.health) << c.key;
        EXPECT_EQ(game.Level, c.level) << c.key;
    }

    form.Unload();
    game.GameState = kTitle;
    headless.window.queueKeyDown(vk::Escape);
    headless.window.pumpMessages();
    EXPECT_FALSE(globals.gExitRequested);
}

CommandLine parse(std::vector<const char*> words) {
    words.insert(words.begin(), "vorn");
    return parseCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(DeveloperWord, OnlyTheWholeWordInAnyCase) {
    for (const char* on : {"SANDBOX", "sANDBOx"}) EXPECT_TRUE(isDeveloperWord(on)) << on;
    for (const char* off : {"", "SANDBOX ", "/SANDBOX", "SANDBOXX", "SANDBO"})
        EXPECT_FALSE(isDeveloperWord(off)) << '[' << off << ']';
}

TEST(CommandLineOptions, EachOptionAndTheWordsBesideThem) {
    using Action = CommandLine::Action;
    const struct {
        std::vector<const char*> words;
        Action action;
        std::optional<bool> windowed;
        const char* levelSet;
        bool developerMode;
    } cases[] = {
        {{}, Action::Play, std::nullopt, "", false},
        {{"sAnDbOx"}, Action::Play, std::nullopt, "", true},
        // The other words are ignored, but the developer word must stand alone among them.
        {{"SANDBOX", "now"}, Action::Play, std::nullopt, "", false},
        {{"--windowed", "sandbox"}, Action::Play, true, "", true},
        {{"--windowed", "--fullscreen"}, Action::Play, false, "", false},
        {{"--levels=sets/easy", "--levels", "-odd"}, Action::Play, std::nullopt, "-odd", false},
        // A value is never the developer word.
        {{"--levels", "SANDBOX"}, Action::Play, std::nullopt, "SANDBOX", false},
        {{"-h"}, Action::Help, std::nullopt, "", false},
        {{"--version"}, Action::Version, std::nullopt, "", false},
        {{"--version", "--help"}, Action::Help, std::nullopt, "", false},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.words);
        const std::string shown = c.words.empty() ? "(none)" : c.words.front();
        EXPECT_EQ(line.error, "") << shown;
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.windowed, c.windowed) << shown;
        EXPECT_EQ(line.levelSet, c.levelSet) << shown;
        EXPECT_EQ(line.developerMode, c.developerMode) << shown;
    }
}

TEST(CommandLineOptions, UnknownOptionsAndMissingValuesAreTurnedAwayWithTheReason) {
    const struct {
        std::vector<const char*> words;
        const char* reason;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--Windowed"}, "unknown option '--Windowed'"},
        {{"--help", "-x"}, "unknown option '-x'"},
        {{"--levels"}, "option '--levels' needs a value: DIR"},
        {{"--windowed=yes"}, "option '--windowed' takes no value"},
    };
    for (const auto& c : cases) EXPECT_EQ(parse(c.words).error, c.reason) << c.words.back();
}

// A copied game in copy/, an installed one in prefix/games with its data where the build
// installs it, and two level sets in folders of the same name.
class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        installedData = (root() / "prefix/games" / kInstalledDataFolder).lexically_normal();
        for (const fs::path& folder : {copy(), installedData, root() / "a/easy", root() / "b/easy"}) {
            fs::create_directories(folder);
            dir.write(fs::relative(folder / "Levels.txt", root()).string(), "");
        }
        fs::create_directories(root() / "prefix/games");
        fs::create_directories(root() / "empty");
    }
    fs::path root() const { return dir.path(); }
    fs::path copy() const { return root() / "copy"; }
    fs::path installed() const { return root() / "prefix/games"; }
    fs::path home() const { return root() / "home"; }

    GamePaths find(const fs::path& program, const fs::path& set, const std::set<fs::path>& writable) {
        return findGamePaths({program, set, "", home().string()},
                             [&](const fs::path& folder) { return writable.contains(folder); });
    }

    test::DataDir dir{true};
    fs::path installedData;
};

TEST_F(Layout, ACopiedFolderKeepsItsFilesWhenItCanAndAnInstalledGameNever) {
    const fs::path saves = home() / ".local/share/vorn";
    const struct {
        fs::path program;
        std::set<fs::path> writable;
        fs::path data, options;
    } cases[] = {
        {copy(), {copy()}, copy(), ""},
        {copy(), {}, copy(), saves},
        {installed(), {}, installedData, saves},
        // The package manager's folders are not the player's, even for the superuser.
        {installed(), {installed(), installedData}, installedData, saves},
        // No data anywhere: the program's own folder, where the loaders say what is missing.
        {root() / "empty", {root() / "empty"}, root() / "empty", ""},
    };
    for (const auto& c : cases) {
        const GamePaths paths = find(c.program, "", c.writable);
        EXPECT_EQ(paths.data, c.data) << c.program;
        EXPECT_EQ(paths.folders.levels, "") << c.program;
        EXPECT_EQ(paths.folders.options, c.options) << c.program;
        EXPECT_EQ(paths.folders.highScores, c.options) << c.program;
    }
}

TEST_F(Layout, ALevelSetKeepsItsOwnTableInItsFolderOrInAFolderNamedAfterIt) {
    const fs::path a = root() / "a/easy", b = root() / "b/easy";
    GamePaths paths = find(installed(), a, {a});
    EXPECT_EQ(paths.folders.levels, a);
    EXPECT_EQ(paths.folders.highScores, a);
    EXPECT_EQ(paths.folders.options, home() / ".local/share/vorn");

    // Not writable: under the save folder, one folder per set even when their names agree.
    const fs::path sets = home() / ".local/share/vorn" / kLevelSetsFolder;
    const fs::path tableA = find(installed(), a, {}).folders.highScores;
    const fs::path tableB = find(installed(), b, {}).folders.highScores;
    EXPECT_EQ(tableA.parent_path(), sets);
    EXPECT_EQ(tableB.parent_path(), sets);
    EXPECT_EQ(tableA.filename().string().rfind("easy-", 0), 0u) << tableA;
    EXPECT_NE(tableA, tableB);
    // The same set reached by another path keeps the same table.
    EXPECT_EQ(find(installed(), root() / "b/../a/./easy", {}).folders.highScores, tableA);

    // A copied folder that keeps its own files keeps a set's table there too.
    paths = find(copy(), a, {copy()});
    EXPECT_EQ(paths.folders.options, "");
    EXPECT_EQ(paths.folders.highScores.parent_path(), copy() / kLevelSetsFolder);

    // The game's own levels named as a set are the game's own levels, with the main table.
    paths = find(copy(), copy(), {copy()});
    EXPECT_EQ(paths.folders.levels, "");
    EXPECT_EQ(paths.folders.highScores, "");
}

TEST(SaveFolder, XdgDataHomeWhenAbsoluteOtherwiseTheHomeFolder) {
    EXPECT_EQ(playerSaveFolder("/x/data", "/home/p"), "/x/data/vorn");
    EXPECT_EQ(playerSaveFolder("", "/home/p"), "/home/p/.local/share/vorn");
    EXPECT_EQ(playerSaveFolder("relative/data", "/home/p"), "/home/p/.local/share/vorn");
    EXPECT_EQ(playerSaveFolder("", ""), "");
}

// Permission bits do not tell whether a file can be made: the superuser passes them, and
// /proc takes no new file from anyone. A folder read-only to an ordinary user is tried in a
// child process that is one.
TEST(WritableFolder, IsFoundOutByMakingAFileThere) {
    test::DataDir dir{true};
    EXPECT_TRUE(canCreateFilesIn(dir.path()));
    EXPECT_TRUE(fs::is_empty(dir.path())) << "the trial file stays behind";
    EXPECT_FALSE(canCreateFilesIn(dir.path() / "missing"));
    EXPECT_FALSE(canCreateFilesIn("/proc/self"));

    chmod(dir.path().c_str(), 0555);
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
        _exit(canCreateFilesIn(dir.path()) ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(PlatformProcess, TheProgramFolderIsTheExecutablesAndBecomesCurrent) {
    // The tests run from the build's program folder, beside the game.
    EXPECT_TRUE(fs::equivalent(programFolder(), test::binDir())) << programFolder();
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    enterProgramFolder();
    EXPECT_TRUE(fs::equivalent(fs::current_path(), test::binDir()));
    fs::current_path(before);
}

class Dialogs : public ::testing::Test {
protected:
    Dialogs() {
        host.messages.echoToStderr = false;
        game.abandonWithoutSaving();
        game.Initialized = true;
    }
    // Runs the script as the player's answer to the next dialog; none closes it by its frame.
    void answer(std::function<void(Dialog&)> script) { host.dialogs.script = std::move(script); }

    HeadlessPlatform host;
    Game game{host.platform()};
};

TEST_F(Dialogs, OnlyOkChangesTheSoundEffectsAndTheMusicNeverChanges) {
    // The music box is there but cannot be used; Cancel and the window's frame keep what the
    // dialog was given, exactly as read from the file.
    game.SoundEffects = 0, game.Music = 1;
    for (const std::string_view button : {frmOptions::kCancel, std::string_view(), frmOptions::kOK}) {
        answer([button](Dialog& d) {
            EXPECT_EQ(d.caption(), "Vorn! Options");
            EXPECT_FALSE(d.control(frmOptions::kMusic).enabled);
            d.control(frmOptions::kSoundEffects).value = 1;
            if (!button.empty()) d.onClick(button);
        });
        EXPECT_TRUE(game.ShowOptions());
        const bool ok = button == frmOptions::kOK;
        EXPECT_EQ(game.SoundEffects, ok ? -1 : 0) << (button.empty() ? "the frame" : button);
        EXPECT_EQ(game.Music, ok ? -1 : 1) << (button.empty() ? "the frame" : button);
    }
    EXPECT_EQ(host.cursor.count, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(Dialogs, TheNameBoxStartsEmptyEveryTimeAndTakesTwentyCharacters) {
    // Closing the first dialog of the run by its frame gives an empty name; a later one, the
    // previous player's name.
    std::string name = "Old row name";
    EXPECT_TRUE(game.AskForName(name));
    EXPECT_EQ(name, "");
    auto type = [&](const std::string& text) {
        answer([text](Dialog& d) {
            EXPECT_EQ(d.control(frmHighScore::kName).text, "");
            d.control(frmHighScore::kName).text = text;
            d.onClick(frmHighScore::kOK);
        });
        EXPECT_TRUE(game.AskForName(name));
        return name;
    };
    EXPECT_EQ(type("  Al  "), "  Al  ");
    answer(nullptr);
    EXPECT_TRUE(game.AskForName(name = "ignored"));
    EXPECT_EQ(name, "  Al  ");
    // A pasted text longer than the box keeps its first 20 characters, not bytes.
    EXPECT_EQ(type("ééééééééééééééééééééééé"), "éééééééééééééééééééé");
    EXPECT_EQ(host.cursor.count, 0);
}

}  // namespace
}  // namespace vorn

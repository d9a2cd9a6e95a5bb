// "HighScores.dat" and "Options.dat": defaults, exact bytes, names in Windows-1252, files kept
// in folders of their own or behind a symbolic link, and saves that fail (a read-only folder, a
// full disk) without harming the old file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>

#include "core/Windows1252.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace fs = std::filesystem;

namespace vorn::test {
namespace {

const std::string kBlank20(20, ' ');

std::string record(const std::string& name20, int16_t score) {
    const auto bits = static_cast<uint16_t>(score);
    return name20 + static_cast<char>(bits & 0xFF) + static_cast<char>(bits >> 8);
}

std::string defaultTable() {
    std::string bytes;
    for (int k = 0; k < 10; ++k)
        bytes += record("Dovi" + std::string(16, ' '), static_cast<int16_t>(10000 - 1000 * k));
    return bytes;
}

// Runs `body` on a fresh game in a child process and gives its exit status, or -1; the body
// answers 0 when the game's messages are `expected`. With `ordinaryUser` the child gives up the
// superuser's rights first, which pass every permission.
int inChild(const std::function<int(Game&)>& body, const std::vector<std::string>& expected,
            bool ordinaryUser = true) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (ordinaryUser && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
        HeadlessPlatform h;
        h.messages.echoToStderr = false;
        Game g(h.platform());
        g.abandonWithoutSaving();
        const int failed = body(g);
        _exit(failed ? failed : h.messages.shown == expected ? 0 : 99);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Files : public ::testing::Test {
protected:
    Files() { host.messages.echoToStderr = false; }
    // A run of the game on the folder that has read both files.
    std::unique_ptr<Game> nextRun(const GameFolders& folders = {}) {
        auto g = std::make_unique<Game>(host.platform());
        g->abandonWithoutSaving();
        g->folders = folders;
        EXPECT_TRUE(g->LoadHighScores());
        EXPECT_TRUE(g->LoadGameOptions());
        return g;
    }
    static void save(Game& g) {
        ASSERT_TRUE(g.SaveHighScores());
        ASSERT_TRUE(g.SaveGameOptions());
    }
    long filesInFolder() const {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
    }

    HeadlessPlatform host;
    DataDir dir{true};
};

TEST_F(Files, MissingFilesGiveTheDefaultsAndWhatOneRunWritesTheNextReads) {
    auto game = nextRun();
    save(*game);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable());
    EXPECT_EQ(dir.read("HighScores.dat").substr(0, 22), "Dovi" + std::string(16, ' ') + "\x10\x27");
    EXPECT_EQ(dir.read("Options.dat"), "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(filesInFolder(), 2);

    // Names are padded or cut to twenty characters; blanks inside them stay.
    game->HighScores[1] = HighScoreEntry{"  trailing blanks   ", -5};
    game->HighScores[2] = HighScoreEntry{"", 32767};
    game->HighScores[3] = HighScoreEntry{"A name that is far too long", 7};
    game->SoundEffects = 1, game->Music = 0;
    save(*game);
    EXPECT_EQ(
        dir.read("HighScores.dat").substr(22, 66),
        record("  trailing blanks   ", -5) + record(kBlank20, 32767) + record("A name that is far t", 7));
    EXPECT_EQ(dir.read("Options.dat"), std::string("\x01\x00\x00\x00", 4));

    auto next = nextRun();
    EXPECT_EQ(next->HighScores[1].Name, "  trailing blanks   ");
    EXPECT_EQ(next->HighScores[1].Score, -5);
    EXPECT_EQ(next->HighScores[3].Name, "A name that is far t");
    EXPECT_EQ(next->HighScores[9].Score, 1000);
    EXPECT_EQ(next->SoundEffects, 1);
    EXPECT_EQ(next->Music, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

// Short and long files, read and saved again byte for byte, are the fuzz targets' properties,
// checked on their seeds; here, a file keeps its permissions when it is replaced.
TEST_F(Files, ASavedFileKeepsItsPermissions) {
    dir.write("HighScores.dat", defaultTable());
    chmod(dir.file("HighScores.dat").c_str(), 0640);
    save(*nextRun());
    EXPECT_EQ(fs::status(dir.file("HighScores.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Files, NamesAreStoredInWindows1252AndWhatItLacksBecomesAQuestionMark) {
    EXPECT_EQ(windows1252ToUtf8("Jos\xE9 \x80\x93\x81"), "José €“\u0081");
    EXPECT_EQ(utf8ToWindows1252("bad \xC3 and \xE2\x82"), "bad ? and ??");
    const std::string stored = "Jos\xE9 \x80" + std::string(14, ' ');
    dir.write("HighScores.dat", record(stored, 1) + defaultTable().substr(22));
    auto game = nextRun();
    EXPECT_EQ(game->HighScores[0].Name, "José €" + std::string(14, ' '));
    game->HighScores[1].Name = "Zoë 日本 Ω" + std::string(12, ' ');
    save(*game);
    EXPECT_EQ(dir.read("HighScores.dat").substr(0, 42),
              stored + "\x01" + std::string(1, '\0') + "Zo\xEB ?? ?" + std::string(12, ' '));
}

// A player's save folder is made, private to the player, when the first file goes into it; a
// level set's table may live apart from the options; a file may be a link to one elsewhere.
TEST_F(Files, FilesAreKeptInFoldersOfTheirOwnOrBehindALinkAndReadBackFromThere) {
    const GameFolders apart{"", dir.path() / "home/.local/share/vorn", dir.path() / "sets/easy-1"};
    auto game = nextRun(apart);
    game->HighScores[0].Score = 77;
    game->SoundEffects = 0;
    save(*game);
    EXPECT_EQ(filesInFolder(), 2);
    EXPECT_EQ(fs::file_size(apart.options / "Options.dat"), 4u);
    EXPECT_EQ(fs::file_size(apart.highScores / "HighScores.dat"), 220u);
    for (const fs::path& made : {dir.path() / "home", apart.options, apart.highScores})
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
    EXPECT_EQ(nextRun(apart)->HighScores[0].Score, 77);
    EXPECT_EQ(nextRun(apart)->SoundEffects, 0);
    EXPECT_EQ(nextRun()->HighScores[0].Score, 10000) << "the current folder holds no table";

    // Through a symbolic link the save writes the file the link names, and the link stays.
    fs::create_directory(dir.file("kept"));
    dir.write("kept/table.dat", defaultTable());
    fs::create_symlink("kept/table.dat", dir.file("HighScores.dat"));
    game = nextRun();
    game->HighScores[0].Score = 12345;
    save(*game);
    EXPECT_TRUE(fs::is_symlink(dir.file("HighScores.dat")));
    EXPECT_EQ(dir.read("kept/table.dat").substr(20, 2), "\x39\x30");
    EXPECT_EQ(fs::file_size(dir.file("kept/table.dat")), 220u);
    EXPECT_EQ(nextRun()->HighScores[0].Score, 12345);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("kept")), fs::directory_iterator()), 1);
}

// The files as an ordinary user finds them: a folder that cannot be written to, files that
// cannot be read. Each operation gives its message and changes nothing.
TEST_F(Files, AFolderOrAFileTheGameMayNotUseGivesEachOperationItsMessageAndChangesNothing) {
    dir.write("HighScores.dat", defaultTable());
    dir.write("Options.dat", std::string(4, '\0'));
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(
        inChild(
            [](Game& g) {
                if (!g.LoadHighScores() || !g.LoadGameOptions()) return 1;
                g.HighScores[0].Score = 1;
                g.SoundEffects = -1;
                return g.SaveHighScores() || g.SaveGameOptions() ? 2 : 0;
            },
            {"Game - SaveHighScores - Permission denied", "Game - SaveGameOptions - Permission denied"}),
        0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable());
    EXPECT_EQ(dir.read("Options.dat"), std::string(4, '\0'));

    chmod(dir.file("HighScores.dat").c_str(), 0);
    chmod(dir.file("Options.dat").c_str(), 0);
    EXPECT_EQ(
        inChild(
            [](Game& g) {
                g.HighScores[3] = HighScoreEntry{"Kept", 77};
                g.SoundEffects = 0, g.Music = 5;
                if (g.LoadHighScores() || g.LoadGameOptions()) return 1;
                const bool kept = g.HighScores[3].Name == "Kept" && g.HighScores[3].Score == 77 &&
                                  g.SoundEffects == 0 && g.Music == 5;
                return kept ? 0 : 2;
            },
            {"Game - LoadHighScores - Permission denied", "Game - LoadGameOptions - Permission denied"}),
        0);
}

// A disk that fills up part-way through a save is stood in for by a file-size limit of 100
// bytes: the write of the 220-byte table then fails half-way, as it would on a full disk.
TEST_F(Files, ASaveThatCannotBeWrittenWholeFailsWithItsMessageAndLeavesTheOldFile) {
    dir.write("HighScores.dat", defaultTable());
    EXPECT_EQ(inChild(
                  [](Game& g) {
                      std::signal(SIGXFSZ, SIG_IGN);
                      const rlimit limit{100, 100};
                      if (setrlimit(RLIMIT_FSIZE, &limit) != 0 || !g.LoadHighScores()) return 1;
                      g.HighScores[0].Score = 1;
                      return g.SaveHighScores() ? 2 : 0;
                  },
                  {"Game - SaveHighScores - File too large"}, false),
              0);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable());
    EXPECT_EQ(filesInFolder(), 1) << "the unfinished copy was left behind";
}

}  // namespace
}  // namespace vorn::test

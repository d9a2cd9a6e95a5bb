// "HighScores.dat" and "Options.dat": defaults, exact bytes, short and long files, names in
// Windows-1252, files kept in folders of their own, and a save that fails without harming
// the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
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

class Files : public ::testing::Test {
protected:
    Files() { host.messages.echoToStderr = false; }
    // A run of the game on the folder that has read both files.
    std::unique_ptr<Game> nextRun() {
        auto g = std::make_unique<Game>(host.platform());
        g->abandonWithoutSaving();
        EXPECT_TRUE(g->LoadHighScores());
        EXPECT_TRUE(g->LoadGameOptions());
        return g;
    }
    void save(Game& g) {
        ASSERT_TRUE(g.SaveHighScores());
        ASSERT_TRUE(g.SaveGameOptions());
    }

    HeadlessPlatform host;
    DataDir dir{true};
};

TEST_F(Files, MissingFilesGiveTheDefaultsAndWhatOneRunWritesTheNextReads) {
    auto game = nextRun();
    save(*game);
    const std::string table = dir.read("HighScores.dat");
    EXPECT_EQ(table.substr(0, 22), "Dovi" + std::string(16, ' ') + "\x10\x27");
    EXPECT_EQ(table.substr(198), "Dovi" + std::string(16, ' ') + "\xE8\x03");
    EXPECT_EQ(table, defaultTable());
    EXPECT_EQ(dir.read("Options.dat"), "\xFF\xFF\xFF\xFF");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);

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
    EXPECT_EQ(next->HighScores[2].Name, kBlank20);
    EXPECT_EQ(next->HighScores[3].Name, "A name that is far t");
    EXPECT_EQ(next->HighScores[9].Score, 1000);
    EXPECT_EQ(next->SoundEffects, 1);
    EXPECT_EQ(next->Music, 0);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(Files, ShortFilesGiveWhatTheyHoldAndLongFilesKeepTheirTail) {
    // One whole record, then eight bytes of a name; one whole option.
    dir.write("HighScores.dat", record("Zed" + std::string(17, ' '), 4660) + "Partialx");
    dir.write("Options.dat", std::string("\x00\x00\x00", 3));
    auto game = nextRun();
    EXPECT_EQ(game->HighScores[0].Score, 4660);
    EXPECT_EQ(game->HighScores[1].Name, "Partialx" + std::string(12, ' '));
    EXPECT_EQ(game->HighScores[1].Score, 0);
    EXPECT_EQ(game->HighScores[9].Name, kBlank20);
    EXPECT_EQ(game->SoundEffects, 0);
    EXPECT_EQ(game->Music, -1);

    // An older, longer file keeps every byte past what is written, and its permissions.
    std::string tail;
    for (int i = 0; i < 80; ++i) tail += static_cast<char>(i * 7);
    dir.write("HighScores.dat", std::string(220, 'x') + tail);
    dir.write("Options.dat", std::string("\x00\x00\x01\x00", 4) + "tail!");
    chmod(dir.file("HighScores.dat").c_str(), 0640);
    game = nextRun();
    game->SetDefaultHighScores();
    game->SoundEffects = -1;
    save(*game);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable() + tail);
    EXPECT_EQ(dir.read("Options.dat"), std::string("\xFF\xFF\x01\x00", 4) + "tail!");
    EXPECT_EQ(fs::status(dir.file("HighScores.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(host.messages.shown.empty());
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
    const std::string table = dir.read("HighScores.dat");
    EXPECT_EQ(table.substr(0, 20), stored);
    EXPECT_EQ(table.substr(22, 20), "Zo\xEB ?? ?" + std::string(12, ' '));
}

// A player's save folder is made, private to the player, when the first file goes into it;
// a level set's table may live apart from the options.
TEST_F(Files, FilesKeptInFoldersOfTheirOwnAreMadeThereAndReadBackFromThere) {
    const GameFolders apart{"", dir.path() / "home/.local/share/vorn", dir.path() / "sets/easy-1"};
    auto game = nextRun();
    game->folders = apart;
    game->HighScores[0].Score = 77;
    game->SoundEffects = 0;
    save(*game);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    EXPECT_EQ(fs::file_size(apart.options / "Options.dat"), 4u);
    EXPECT_EQ(fs::file_size(apart.highScores / "HighScores.dat"), 220u);
    for (const fs::path& made : {dir.path() / "home", apart.options, apart.highScores})
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;

    auto next = std::make_unique<Game>(host.platform());
    next->abandonWithoutSaving();
    next->folders = apart;
    ASSERT_TRUE(next->LoadHighScores());
    ASSERT_TRUE(next->LoadGameOptions());
    EXPECT_EQ(next->HighScores[0].Score, 77);
    EXPECT_EQ(next->SoundEffects, 0);
    EXPECT_EQ(nextRun()->HighScores[0].Score, 10000) << "the current folder holds no table";
}

// The superuser may write anywhere, so the save runs in a child process as an ordinary user.
TEST_F(Files, AReadOnlyFolderGivesEachSaveItsMessageAndLeavesTheFiles) {
    dir.write("HighScores.dat", defaultTable());
    dir.write("Options.dat", std::string(4, '\0'));
    chmod(dir.path().c_str(), 0555);
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
        HeadlessPlatform h;
        h.messages.echoToStderr = false;
        Game g(h.platform());
        g.abandonWithoutSaving();
        if (!g.LoadHighScores() || !g.LoadGameOptions()) _exit(1);
        g.HighScores[0].Score = 1;
        g.SoundEffects = -1;
        if (g.SaveHighScores() || g.SaveGameOptions()) _exit(2);
        _exit(h.messages.shown == std::vector<std::string>{"Game - SaveHighScores - Permission denied",
                                                           "Game - SaveGameOptions - Permission denied"}
                  ? 0
                  : 3);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable());
    EXPECT_EQ(dir.read("Options.dat"), std::string(4, '\0'));
}

// Again as an ordinary user, who may not read a file the superuser would.
TEST_F(Files, AFileThatCannotBeReadGivesItsMessageAndKeepsWhatWasLoaded) {
    dir.write("HighScores.dat", defaultTable());
    dir.write("Options.dat", std::string(4, '\0'));
    chmod(dir.file("HighScores.dat").c_str(), 0);
    chmod(dir.file("Options.dat").c_str(), 0);
    chmod(dir.path().c_str(), 0755);
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
        HeadlessPlatform h;
        h.messages.echoToStderr = false;
        Game g(h.platform());
        g.abandonWithoutSaving();
        g.HighScores[3] = HighScoreEntry{"Kept" + std::string(16, ' '), 77};
        g.SoundEffects = 0, g.Music = 5;
        if (g.LoadHighScores() || g.LoadGameOptions()) _exit(1);
        if (g.HighScores[3].Name != "Kept" + std::string(16, ' ') || g.HighScores[3].Score != 77) _exit(2);
        if (g.SoundEffects != 0 || g.Music != 5) _exit(3);
        _exit(h.messages.shown == std::vector<std::string>{"Game - LoadHighScores - Permission denied",
                                                           "Game - LoadGameOptions - Permission denied"}
                  ? 0
                  : 4);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace vorn::test

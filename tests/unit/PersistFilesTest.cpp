// "HighScores.dat" and "Options.dat": defaults, exact bytes, short and long files, names in
// Windows-1252, and saves that fail without harming the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "game/persist/Windows1252.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace fs = std::filesystem;

namespace vorn::test {
namespace {

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
    // A second run of the game on the same folder.
    std::unique_ptr<Game> nextRun() {
        auto g = std::make_unique<Game>(host.platform());
        g->abandonWithoutSaving();
        return g;
    }

    HeadlessPlatform host;
    DataDir dir{true};
};

// Runs body in a child process as an ordinary user (the superuser may write anywhere) and
// gives its exit code; 0 means every check in it held.
int asOrdinaryUser(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(Files, MissingFilesGiveTheDefaultsAndAreWrittenExactly) {
    auto game = nextRun();
    ASSERT_TRUE(game->LoadHighScores());
    ASSERT_TRUE(game->LoadGameOptions());
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(game->HighScores[k].Name, "Dovi                ");
        EXPECT_EQ(game->HighScores[k].Score, 10000 - 1000 * k);
    }
    EXPECT_EQ(game->SoundEffects, -1);
    EXPECT_EQ(game->Music, -1);
    ASSERT_TRUE(game->SaveGameOptions());
    ASSERT_TRUE(game->SaveHighScores());

    const std::string table = dir.read("HighScores.dat");
    ASSERT_EQ(table.size(), 220u);
    EXPECT_EQ(table.substr(0, 22), "Dovi" + std::string(16, ' ') + "\x10\x27");
    EXPECT_EQ(table.substr(198), "Dovi" + std::string(16, ' ') + "\xE8\x03");
    EXPECT_EQ(table, defaultTable());
    EXPECT_EQ(dir.read("Options.dat"), "\xFF\xFF\xFF\xFF");
    EXPECT_TRUE(host.messages.shown.empty());
    // Nothing is left beside them.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST_F(Files, WhatOneRunWritesTheNextReadsUnchanged) {
    auto game = nextRun();
    game->SetDefaultHighScores();
    game->HighScores[0] = HighScoreEntry{"Ann                 ", 500};
    game->HighScores[1] = HighScoreEntry{"  trailing blanks   ", -5};
    game->HighScores[2] = HighScoreEntry{"", 32767};  // an empty name is 20 blanks
    game->HighScores[3] = HighScoreEntry{"A name that is far too long", 7};
    game->SoundEffects = 1, game->Music = 0;
    ASSERT_TRUE(game->SaveHighScores());
    ASSERT_TRUE(game->SaveGameOptions());

    const std::string table = dir.read("HighScores.dat");
    ASSERT_EQ(table.size(), 220u);
    EXPECT_EQ(table.substr(22, 22), record("  trailing blanks   ", -5));
    EXPECT_EQ(table.substr(44, 22), record(std::string(20, ' '), 32767));
    EXPECT_EQ(table.substr(66, 22), record("A name that is far t", 7));
    EXPECT_EQ(dir.read("Options.dat"), std::string("\x01\x00\x00\x00", 4));

    auto next = nextRun();
    ASSERT_TRUE(next->LoadHighScores());
    ASSERT_TRUE(next->LoadGameOptions());
    EXPECT_EQ(next->HighScores[0].Name, "Ann                 ");
    EXPECT_EQ(next->HighScores[1].Name, "  trailing blanks   ");
    EXPECT_EQ(next->HighScores[1].Score, -5);
    EXPECT_EQ(next->HighScores[2].Score, 32767);
    EXPECT_EQ(next->HighScores[9].Score, 1000);
    EXPECT_EQ(next->SoundEffects, 1);
    EXPECT_EQ(next->Music, 0);
    ASSERT_TRUE(next->SaveGameOptions());
    EXPECT_EQ(dir.read("Options.dat"), std::string("\x01\x00\x00\x00", 4));
}

TEST_F(Files, ShortFilesGiveWhatTheyHoldAndLongFilesKeepTheirTail) {
    // One whole record, then eight bytes of a name.
    dir.write("HighScores.dat", record("Zed" + std::string(17, ' '), 4660) + "Partialx");
    dir.write("Options.dat", std::string("\x00\x00\x00", 3));
    auto game = nextRun();
    ASSERT_TRUE(game->LoadHighScores());
    ASSERT_TRUE(game->LoadGameOptions());
    EXPECT_EQ(game->HighScores[0].Name, "Zed" + std::string(17, ' '));
    EXPECT_EQ(game->HighScores[0].Score, 4660);
    EXPECT_EQ(game->HighScores[1].Name, "Partialx" + std::string(12, ' '));
    EXPECT_EQ(game->HighScores[1].Score, 0);
    EXPECT_EQ(game->HighScores[9].Name, std::string(20, ' '));
    EXPECT_EQ(game->HighScores[9].Score, 0);
    EXPECT_EQ(game->SoundEffects, 0);
    EXPECT_EQ(game->Music, -1);

    // An older, longer file keeps every byte past the table.
    std::string tail;
    for (int i = 0; i < 80; ++i) tail += static_cast<char>(i * 7);
    dir.write("HighScores.dat", std::string(220, 'x') + tail);
    dir.write("Options.dat", std::string("\x00\x00\x01\x00", 4) + "tail!");
    chmod(dir.file("HighScores.dat").c_str(), 0640);
    game = nextRun();
    ASSERT_TRUE(game->LoadGameOptions());
    game->SetDefaultHighScores();
    game->SoundEffects = -1;
    ASSERT_TRUE(game->SaveHighScores());
    ASSERT_TRUE(game->SaveGameOptions());
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable() + tail);
    EXPECT_EQ(dir.read("Options.dat"), std::string("\xFF\xFF\x01\x00", 4) + "tail!");
    EXPECT_EQ(fs::status(dir.file("HighScores.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(Files, NamesAreStoredInWindows1252) {
    EXPECT_EQ(windows1252ToUtf8("Jos\xE9 \x80\x93\x94\x81"), "José €“”\u0081");
    EXPECT_EQ(utf8ToWindows1252("José €“”\u0081"), "Jos\xE9 \x80\x93\x94\x81");
    EXPECT_EQ(utf8ToWindows1252("日本 Ω ok"), "?? ? ok");
    EXPECT_EQ(utf8ToWindows1252("bad \xC3 and \xE2\x82"), "bad ? and ??");
    EXPECT_EQ(utf8Length("Zoë"), 3u);
    EXPECT_EQ(utf8Prefix("Zoë and more", 3), "Zoë");

    const std::string stored = "Jos\xE9 \x80" + std::string(14, ' ');
    dir.write("HighScores.dat", record(stored, 1) + defaultTable().substr(22));
    auto game = nextRun();
    ASSERT_TRUE(game->LoadHighScores());
    EXPECT_EQ(game->HighScores[0].Name, "José €" + std::string(14, ' '));
    game->HighScores[1].Name = "Zoë 日本" + std::string(14, ' ');
    ASSERT_TRUE(game->SaveHighScores());
    const std::string table = dir.read("HighScores.dat");
    EXPECT_EQ(table.substr(0, 20), stored);
    EXPECT_EQ(table.substr(22, 20), "Zo\xEB ??" + std::string(14, ' '));
}

TEST_F(Files, FailedSavesAreReportedAndLeaveTheOldFile) {
    // Something that is not a file stands where the table goes: no table is read, none written.
    fs::create_directory(dir.file("HighScores.dat"));
    auto game = nextRun();
    ASSERT_TRUE(game->LoadHighScores());
    EXPECT_EQ(game->HighScores[0].Name, "Dovi                ");
    EXPECT_FALSE(game->SaveHighScores());
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].rfind("Game - SaveHighScores - ", 0), 0u) << host.messages.shown[0];
    EXPECT_TRUE(fs::is_directory(dir.file("HighScores.dat")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    fs::remove(dir.file("HighScores.dat"));

    // A read-only folder, a read-only file, an unreadable file.
    dir.write("HighScores.dat", defaultTable());
    dir.write("Options.dat", std::string("\x00\x00\x00\x00", 4));
    chmod(dir.file("HighScores.dat").c_str(), 0644);
    chmod(dir.file("Options.dat").c_str(), 0644);
    chmod(dir.path().c_str(), 0555);
    const int folder = asOrdinaryUser([] {
        HeadlessPlatform h;
        h.messages.echoToStderr = false;
        Game g(h.platform());
        g.abandonWithoutSaving();
        if (!g.LoadHighScores() || !g.LoadGameOptions()) return 1;
        g.HighScores[0].Score = 1;
        g.SoundEffects = -1;
        if (g.SaveHighScores() || g.SaveGameOptions()) return 2;
        if (h.messages.shown.size() != 2 ||
            h.messages.shown[0] != "Game - SaveHighScores - Permission denied" ||
            h.messages.shown[1] != "Game - SaveGameOptions - Permission denied")
            return 3;
        return 0;
    });
    EXPECT_EQ(folder, 0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable());
    EXPECT_EQ(dir.read("Options.dat"), std::string("\x00\x00\x00\x00", 4));

    // The folder itself may be written here, so only the file's own mode can stop the save.
    chmod(dir.path().c_str(), 0777);
    chmod(dir.file("HighScores.dat").c_str(), 0444);
    chmod(dir.file("Options.dat").c_str(), 0);
    const int files = asOrdinaryUser([] {
        HeadlessPlatform h;
        h.messages.echoToStderr = false;
        Game g(h.platform());
        g.abandonWithoutSaving();
        if (g.LoadGameOptions()) return 1;
        if (!g.LoadHighScores()) return 2;
        g.HighScores[0].Score = 1;
        if (g.SaveHighScores()) return 3;
        if (h.messages.shown.size() != 2 ||
            h.messages.shown[0] != "Game - LoadGameOptions - Permission denied" ||
            h.messages.shown[1] != "Game - SaveHighScores - Permission denied")
            return 4;
        return 0;
    });
    EXPECT_EQ(files, 0);
    EXPECT_EQ(dir.read("HighScores.dat"), defaultTable());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace vorn::test

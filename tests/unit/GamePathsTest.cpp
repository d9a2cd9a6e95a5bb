// Where the data is found and where the two files go: a copied folder, an installed game, a
// level set of its own, the player's save folder, the test of a writable folder, and the
// program's own folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "app/GamePaths.h"
#include "platform/ProcessInfo.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

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
                             [&](const fs::path& folder) { return writable.count(folder) > 0; });
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

}  // namespace
}  // namespace vorn

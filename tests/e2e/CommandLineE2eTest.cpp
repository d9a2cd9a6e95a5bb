// The real program's command line: --help and --version print and end, a wrong option ends
// with the usage and the reason before anything opens, --windowed and --fullscreen choose the
// window (the game's icon on it), and --levels plays a level set of its own that keeps its own
// high-score table, or stops at its loader's message when the set is broken.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <regex>

#include "support/DataDir.h"
#include "support/GameFiles.h"
#include "support/GameProcess.h"
#include "support/HeadlessScreen.h"
#include "support/ScreenCheck.h"
#include "support/Xvfb.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

// No X server and no Wayland compositor: whatever tries to open a window says so and ends.
const std::vector<std::string> kNoDisplay = {"DISPLAY=:7391", "WAYLAND_DISPLAY=vorn-nowhere"};

class CommandLineE2e : public ::testing::Test {
protected:
    void SetUp() override { test::GameProcess::copyProgramInto(folder.path()); }

    struct Ran {
        int status;
        std::string out, err;
    };
    // Runs the program to its end with no display.
    Ran run(const std::vector<std::string>& arguments) {
        test::GameProcess game(folder.path(), arguments, false, kNoDisplay);
        const int status = game.wait(10000);
        return {status, game.output(), game.errors()};
    }

    test::DataDir folder;
};

TEST_F(CommandLineE2e, HelpAndVersionPrintAndEndWithoutADisplay) {
    const Ran version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Vorn! " VORN_PROJECT_VERSION "\n");
    EXPECT_EQ(version.err, "");

    // The program starts in "/", so the set "elsewhere" is /elsewhere, which is not there to
    // keep its table: that goes under this copy's folder, which keeps everything else.
    const std::string here = folder.path().string();
    const Ran help = run({"-h", "--levels", "elsewhere"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Vorn! is a single-screen", 0), 0u) << help.out;
    for (const std::string& line : std::vector<std::string>{
             "usage: vorn [OPTION]... [SANDBOX]\n", "  pictures, sounds  " + here + "\n",
             "  levels            /elsewhere\n", "  HighScores.dat    " + here + "/level-sets/elsewhere-"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line << "\nnot in\n" << help.out;
    EXPECT_EQ(help.err, "");
    EXPECT_FALSE(fs::exists(folder.file("level-sets")));
    EXPECT_FALSE(fs::exists(folder.file("Options.dat")));
}

TEST_F(CommandLineE2e, AWrongOptionEndsWithTheUsageAndTheReasonBeforeAnythingOpens) {
    // The same program with a good command line gets as far as the display and stops there.
    const Ran good = run({"--windowed"});
    EXPECT_EQ(good.status, 1);
    EXPECT_NE(good.err.find("no display is available"), std::string::npos) << good.err;

    const Ran ran = run({"SANDBOX", "-x"});
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err.rfind("vorn: unknown option '-x'\nusage: vorn [OPTION]... [SANDBOX]\n", 0), 0u)
        << ran.err;
    EXPECT_EQ(ran.err.find("display"), std::string::npos) << ran.err;
    EXPECT_EQ(ran.out, "");
    EXPECT_FALSE(fs::exists(folder.file("Options.dat")));
}

// A window manager on the virtual screen: without one no window is ever full screen on X.
class WindowManager {
public:
    WindowManager() {
        pid_ = fork();
        if (pid_ == 0) {
            const int devNull = open("/dev/null", O_RDWR);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        // openbox takes seconds to come up on a loaded machine; half a minute is no real wait.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!ready() && std::chrono::steady_clock::now() < deadline) test::Xvfb::run({"sleep", "0.05"});
    }
    ~WindowManager() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    static bool ready() {
        std::string out;
        test::Xvfb::run({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, &out);
        return out.find("window id") != std::string::npos;
    }

private:
    pid_t pid_ = -1;
};

// The window on a 1024 x 768 screen: its size as xdotool reads it, its icon as xprop does.
class WindowE2e : public CommandLineE2e {
protected:
    struct Seen {
        std::string geometry, icon;
    };
    Seen startAndLook(const std::vector<std::string>& arguments, bool windowedByEnvironment,
                      const std::string& expectedGeometry) {
        test::GameProcess game(folder.path(), arguments, windowedByEnvironment);
        Seen seen;
        EXPECT_TRUE(x.waitForWindow("Vorn!")) << game.errors();
        std::string id;
        test::Xvfb::run({"xdotool", "search", "--onlyvisible", "--name", "Vorn!"}, &id);
        id = id.substr(0, id.find('\n'));
        // The window manager may take a moment to make it full screen, longer on a busy machine.
        for (int i = 0; i < 150 && seen.geometry != expectedGeometry; ++i) {
            std::string out;
            test::Xvfb::run({"xdotool", "getwindowgeometry", id}, &out);
            std::smatch m;
            if (std::regex_search(out, m, std::regex("Geometry: (\\d+x\\d+)"))) seen.geometry = m[1];
            test::Xvfb::run({"sleep", "0.1"});
        }
        test::Xvfb::run({"xprop", "-id", id, "_NET_WM_ICON"}, &seen.icon);
        game.signal(SIGTERM);
        EXPECT_EQ(game.wait(15000), 0) << game.errors();
        return seen;
    }
    test::Xvfb x{1024, 768};
    WindowManager wm;
};

TEST_F(WindowE2e, TheCommandLineChoosesTheWindowOverTheEnvironmentAndTheWindowShowsTheIcon) {
    ASSERT_TRUE(WindowManager::ready()) << "openbox did not start";
    const Seen windowed = startAndLook({"--windowed"}, false, "800x600");
    EXPECT_EQ(windowed.geometry, "800x600");
    EXPECT_NE(windowed.icon.find("Icon (64 x 64):"), std::string::npos) << windowed.icon.substr(0, 80);
    EXPECT_EQ(startAndLook({"--fullscreen"}, true, "1024x768").geometry, "1024x768");
    EXPECT_EQ(startAndLook({}, true, "800x600").geometry, "800x600");
    EXPECT_EQ(startAndLook({}, false, "1024x768").geometry, "1024x768");
}

// A level set of five small levels named "Level 1" to "Level 5", in a folder of its own.
class LevelSetE2e : public ::testing::Test {
protected:
    void SetUp() override {
        test::GameProcess::copyProgramInto(folder.path());
        test::LevelRows level;
        level.rows[29] = "GGGGGGGGGGGGGGGG";
        level.rows[20] = "  MMMM  $  BBB  ";
        set.write("Levels.txt", test::levelsText(std::vector<test::LevelRows>(5, level)));
        set.write("LevelNames.txt", test::levelNamesText(5));
    }

    test::DataDir set{true};  // made before the program's folder, which is current for the tests
    test::DataDir folder;
    test::Xvfb x{800, 600};
};

TEST_F(LevelSetE2e, APlayedSetKeepsItsOwnTableBesideItsLevels) {
    test::HeadlessScreen drawn(false, GameFolders{set.path(), "", ""});
    ASSERT_TRUE(drawn.ok());
    ASSERT_TRUE(drawn.game.StartGame());
    const auto expectedReady = drawn.screen();

    test::GameProcess game(folder.path(), {"--levels", set.path().string()});
    ASSERT_TRUE(test::isScreen(test::waitForScreen(x, test::titleShown, 60000))) << game.errors();
    ASSERT_TRUE(test::focusGame());
    // F1: the set's first level, with the set's name for it on the "Next Level" screen.
    ASSERT_TRUE(x.key("F1"));
    const test::Box nextLevel{190, 200, 610, 340}, inside{192, 202, 608, 338};
    const test::Image ready = test::waitForScreen(
        x, [&](const test::Image& s) { return test::framed(s, nextLevel, test::isYellow); }, 5000);
    ASSERT_TRUE(test::isScreen(ready)) << game.errors();
    EXPECT_GE(test::maskOverlap(ready, *expectedReady, inside, test::isYellow), 0.97);

    ASSERT_TRUE(test::escapeToTheEnd(x, game)) << game.errors();
    EXPECT_EQ(fs::file_size(set.file("HighScores.dat")), 220u);
    EXPECT_FALSE(fs::exists(set.file("Options.dat")));
    EXPECT_EQ(fs::file_size(folder.file("Options.dat")), 4u);
    EXPECT_FALSE(fs::exists(folder.file("HighScores.dat"))) << "the main table was written";
}

// What any data file that is missing or broken does at start-up.
TEST_F(LevelSetE2e, ABrokenOrMissingSetEndsTheStartUpWithItsLoadersMessage) {
    set.write("Levels.txt", test::separatorLine() + "\r\n" + test::gridLine("GGG") + "\r\n");
    const std::pair<fs::path, std::string> cases[] = {
        {set.path(), "Game - LoadLevels - Level file line length invalid."},
        {set.path() / "missing", "Game - LoadLevels - File not found"},
    };
    for (const auto& [dir, message] : cases) {
        test::GameProcess game(folder.path(), {"--levels", dir.string()});
        EXPECT_EQ(game.wait(15000), 1) << dir;
        EXPECT_NE(game.errors().find(message + "\n"), std::string::npos) << game.errors();
    }
    for (const fs::path& file :
         {set.file("HighScores.dat"), folder.file("HighScores.dat"), folder.file("Options.dat")})
        EXPECT_FALSE(fs::exists(file)) << file;
}

}  // namespace
}  // namespace vorn

// The real program under a virtual X server, started from a throw-away copy of its folder:
// it reaches the title screen, Escape or SIGTERM end it the orderly way with both files
// written, and a missing data file ends it at once with its message and no files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/Paths.h"
#include "support/Xvfb.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

using SteadyClock = std::chrono::steady_clock;

// The program started from another folder, its standard error kept in a file.
class Program {
public:
    Program(const fs::path& executable, const fs::path& errorFile) {
        const std::string exe = executable.string(), err = errorFile.string();
        pid_ = fork();
        if (pid_ == 0) {
            const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int devNull = open("/dev/null", O_RDWR);
            dup2(devNull, STDIN_FILENO);
            dup2(devNull, STDOUT_FILENO);
            dup2(errFd, STDERR_FILENO);
            if (chdir("/") != 0) _exit(126);
            execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Program() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool running() const { return pid_ > 0; }
    void signal(int sig) const { kill(pid_, sig); }
    // The exit status, or -1 when it did not end in time or ended by a signal.
    int wait(int timeoutMs) {
        const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
        while (SteadyClock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string defaultHighScoreBytes() {
    std::string out;
    for (int k = 0; k < 10; ++k) {
        const int score = 10000 - 1000 * k;
        out += "Dovi" + std::string(16, ' ');
        out += static_cast<char>(score & 0xFF);
        out += static_cast<char>((score >> 8) & 0xFF);
    }
    return out;
}

class ProgramE2e : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(test::binDir()) / "vorn", folder.file("vorn"));
        setenv("VORN_NO_MESSAGE_BOX", "1", 1);
        unsetenv("VORN_WINDOWED");
    }
    void TearDown() override { unsetenv("VORN_NO_MESSAGE_BOX"); }

    std::unique_ptr<Program> start() {
        return std::make_unique<Program>(folder.file("vorn"), errors.file("stderr.txt"));
    }
    std::string errorText() const { return readFile(errors.file("stderr.txt")); }

    // The title screen as the game draws it from this folder, on the headless platform.
    std::shared_ptr<Surface> expectedTitle() {
        HeadlessPlatform headless;
        headless.messages.echoToStderr = true;
        Game game(headless.platform());
        game.abandonWithoutSaving();
        if (!game.Initialize(headless.window, false) || !game.DrawFrame()) return nullptr;
        return headless.display.primary();
    }

    // Share of the screen that shows the expected picture (RGB565 widened, small slack per channel).
    static double likeness(const test::Xvfb::Image& shot, const Surface& expected) {
        if (shot.width != expected.width() || shot.height != expected.height()) return 0;
        long same = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int x = 0; x < shot.width; ++x) {
                const uint16_t p = expected.pixel(x, y);
                const int r = (p >> 11) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
                const uint32_t s = shot.pixel(x, y);
                const int sr = static_cast<int>(s >> 16), sg = static_cast<int>((s >> 8) & 0xFF),
                          sb = static_cast<int>(s & 0xFF);
                if (std::abs(sr - r) <= 8 && std::abs(sg - g) <= 8 && std::abs(sb - b) <= 8) ++same;
            }
        return static_cast<double>(same) / (static_cast<double>(shot.width) * shot.height);
    }

    // Waits for the title screen; the milliseconds it took from `since`, or -1.
    long waitForTitle(const Surface& expected, SteadyClock::time_point since, double* best) {
        const auto deadline = SteadyClock::now() + std::chrono::seconds(15);
        *best = 0;
        while (SteadyClock::now() < deadline) {
            const double like = likeness(x.capture(), expected);
            *best = std::max(*best, like);
            if (like >= 0.99)
                return static_cast<long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - since)
                        .count());
        }
        return -1;
    }

    bool focusGame() const {
        return test::Xvfb::run({"xdotool", "search", "--name", "Vorn!", "windowfocus", "--sync"}) == 0;
    }

    test::DataDir errors{true};
    test::DataDir folder;  // the program's own copy, made current last
    test::Xvfb x{800, 600};
};

TEST_F(ProgramE2e, ReachesTheTitleScreenAndEscapeWritesBothFiles) {
    const auto title = expectedTitle();
    ASSERT_TRUE(title);

    const auto started = SteadyClock::now();
    auto program = start();
    double best = 0;
    const long ms = waitForTitle(*title, started, &best);
    ASSERT_GE(ms, 0) << "the title screen never showed; best likeness " << best << "\n" << errorText();
    std::printf("title screen seen %ld ms after the start (screen captures included)\n", ms);

    ASSERT_TRUE(focusGame());
    ASSERT_TRUE(x.key("Escape"));
    EXPECT_EQ(program->wait(5000), 0) << errorText();
    EXPECT_EQ(readFile(folder.file("Options.dat")), std::string(4, '\xFF'));
    EXPECT_EQ(readFile(folder.file("HighScores.dat")), defaultHighScoreBytes());
}

TEST_F(ProgramE2e, SigtermEndsTheRunTheOrderlyWay) {
    const auto title = expectedTitle();
    ASSERT_TRUE(title);
    auto program = start();
    double best = 0;
    ASSERT_GE(waitForTitle(*title, SteadyClock::now(), &best), 0) << best << "\n" << errorText();
    program->signal(SIGTERM);
    EXPECT_EQ(program->wait(5000), 0) << errorText();
    EXPECT_EQ(readFile(folder.file("Options.dat")), std::string(4, '\xFF'));
    EXPECT_EQ(readFile(folder.file("HighScores.dat")), defaultHighScoreBytes());
}

TEST_F(ProgramE2e, AMissingDataFileEndsTheProgramAtOnceWithItsMessage) {
    const std::pair<std::string, std::string> cases[] = {
        {"HyperJump.wav", "VBSE - LoadSound - File not found"},
        {"Title.bmp", "VBGE - LoadBitmap - File not found - Title.bmp"},
        {"LevelNames.txt", "Game - LoadLevels - File not found"},
    };
    for (const auto& [name, message] : cases) {
        const std::string kept = readFile(folder.file(name));
        folder.remove(name);
        auto program = start();
        EXPECT_EQ(program->wait(10000), 1) << name;
        EXPECT_NE(errorText().find(message + "\n"), std::string::npos) << name << ":\n" << errorText();
        EXPECT_FALSE(fs::exists(folder.file("Options.dat"))) << name;
        EXPECT_FALSE(fs::exists(folder.file("HighScores.dat"))) << name;
        folder.write(name, kept);
    }
}

}  // namespace
}  // namespace vorn

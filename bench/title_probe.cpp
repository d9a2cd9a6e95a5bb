// Times the real program from the outside, as the player sees it on an X server: how long from
// starting it until the loading picture and then the first title frame are on the screen,
// how much processor time that start-up took, and how much the title screen takes while it
// sits there. The program runs full screen and silent from a throw-away copy of its folder;
// the screen is read straight from the X server every few milliseconds.
//
//   xvfb-run -a -s "-screen 0 800x600x24" build/release/bin/title_probe [--runs 5] [--idle 10] [--windowed]
//
// --windowed starts it with VORN_WINDOWED=1: on an 800 x 600 screen the window covers it all.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/state/Game.h"
#include "platform/Surface.h"
#include "platform/headless/Headless.h"

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;
using vorn::kScreenHeight;
using vorn::kScreenWidth;
using vorn::Surface;

namespace {

struct Settings {
    int runs = 5;
    int idleSeconds = 10;
    bool windowed = false;
};

uint32_t widen(uint16_t p) {
    const uint32_t r = (p >> 11) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
    return (r << 16) | (g << 8) | b;
}

bool near(uint32_t a, uint32_t b) {
    constexpr int kShifts[] = {16, 8, 0};
    return std::ranges::all_of(kShifts, [&](int shift) {
        return std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) <= 12;
    });
}

// A screen the probe waits for: the colours it must show at a grid of points.
struct Signature {
    std::vector<std::pair<int, int>> points;
    std::vector<uint32_t> colours;

    explicit Signature(const Surface& screen) {
        for (int y = 15; y < kScreenHeight; y += 30)
            for (int x = 15; x < kScreenWidth; x += 30) {
                points.emplace_back(x, y);
                colours.push_back(widen(screen.pixel(x, y)));
            }
    }
    bool seenIn(XImage* image) const {
        size_t same = 0;
        for (size_t i = 0; i < points.size(); ++i)
            same += near(XGetPixel(image, points[i].first, points[i].second) & 0xFFFFFF, colours[i]) ? 1 : 0;
        return same * 100 >= points.size() * 98;
    }
};

fs::path copyOfTheProgram() {
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    std::string pattern = (fs::temp_directory_path() / "vorn-probe-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    fs::path folder = pattern;
    for (const auto& entry : fs::directory_iterator(bin)) {
        const auto ext = entry.path().extension();
        if (entry.path().filename() == "vorn" || ext == ".bmp" || ext == ".wav" || ext == ".txt")
            fs::copy_file(entry.path(), folder / entry.path().filename());
    }
    return folder;
}

std::shared_ptr<Surface> expectedTitle() {
    vorn::HeadlessPlatform headless;
    vorn::Game game(headless.platform());
    game.abandonWithoutSaving();
    if (!game.Initialize(false) || !game.DrawFrame()) return nullptr;
    auto copy = std::make_shared<Surface>(kScreenWidth, kScreenHeight);
    copy->copyAll(*headless.display.primary());
    return copy;
}

// The loading picture as the game shows it: centred on a black screen.
std::shared_ptr<Surface> expectedLoading() {
    const auto picture = Surface::loadBitmap("Loading.bmp");
    auto screen = std::make_shared<Surface>(kScreenWidth, kScreenHeight);
    const int left = (kScreenWidth - picture->width()) / 2, top = (kScreenHeight - picture->height()) / 2;
    for (int y = 0; y < picture->height(); ++y)
        for (int x = 0; x < picture->width(); ++x)
            if (x + left >= 0 && x + left < kScreenWidth && y + top >= 0 && y + top < kScreenHeight)
                screen->setPixel(x + left, y + top, picture->pixel(x, y));
    return screen;
}

pid_t startGame(const fs::path& folder, bool windowed) {
    std::vector<std::string> env;
    bool audioChosen = false;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "VORN_WINDOWED=", 14) == 0) continue;
        if (std::strncmp(*e, "SDL_AUDIODRIVER=", 16) == 0) audioChosen = true;
        env.emplace_back(*e);
    }
    env.emplace_back("VORN_NO_MESSAGE_BOX=1");
    if (windowed) env.emplace_back("VORN_WINDOWED=1");
    if (!audioChosen) env.emplace_back("SDL_AUDIODRIVER=dummy");
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (auto& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string exe = (folder / "vorn").string();
    char* argv[] = {exe.data(), nullptr};

    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir("/") != 0) _exit(126);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    return pid;
}

// User and system time of a process so far, in milliseconds.
double cpuMs(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stod(field);
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double msSince(SteadyClock::time_point t) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

Settings parse(int argc, char** argv) {
    Settings s;
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (std::strcmp(argv[i], "--runs") == 0 && valued) s.runs = std::max(1, std::atoi(argv[++i]));
        if (std::strcmp(argv[i], "--idle") == 0 && valued) s.idleSeconds = std::max(1, std::atoi(argv[++i]));
        if (std::strcmp(argv[i], "--windowed") == 0) s.windowed = true;
    }
    return s;
}

}  // namespace

int probe(int argc, char** argv) {
    const Settings settings = parse(argc, argv);
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        std::fprintf(stderr, "title_probe: no X display (run it under xvfb-run)\n");
        return 2;
    }
    const Window root = DefaultRootWindow(x);
    XWindowAttributes rootSize;
    XGetWindowAttributes(x, root, &rootSize);
    if (rootSize.width != kScreenWidth || rootSize.height != kScreenHeight || rootSize.depth != 24) {
        std::fprintf(stderr,
                     "title_probe: needs an 800x600x24 screen, where the game's picture is not scaled\n");
        return 2;
    }

    const fs::path folder = copyOfTheProgram();
    fs::current_path(folder);
    const auto title = expectedTitle();
    if (!title) return 2;
    const Signature titleSeen(*title), loadingSeen(*expectedLoading());

    std::vector<double> loadingMs, titleMs, startCpuMs;
    double idleShare = -1;
    for (int run = 0; run < settings.runs; ++run) {
        const auto started = SteadyClock::now();
        const pid_t pid = startGame(folder, settings.windowed);
        double loading = -1, shown = -1, cpu = -1;
        while (msSince(started) < 20000) {
            XImage* image = XGetImage(x, root, 0, 0, kScreenWidth, kScreenHeight, AllPlanes, ZPixmap);
            if (image) {
                if (loading < 0 && loadingSeen.seenIn(image)) loading = msSince(started);
                if (titleSeen.seenIn(image)) {
                    shown = msSince(started);
                    cpu = cpuMs(pid);
                }
                XDestroyImage(image);
            }
            if (shown >= 0) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        std::printf("run %d: loading picture %.0f ms, title %.0f ms, start-up processor time %.0f ms\n",
                    run + 1, loading, shown, cpu);
        if (shown < 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        loadingMs.push_back(loading);
        titleMs.push_back(shown);
        startCpuMs.push_back(cpu);

        // The last run stays on the title screen a while: the share of one processor it takes.
        if (run + 1 == settings.runs) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const double before = cpuMs(pid);
            const auto from = SteadyClock::now();
            std::this_thread::sleep_for(std::chrono::seconds(settings.idleSeconds));
            idleShare = (cpuMs(pid) - before) / msSince(from) * 100.0;
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            std::printf("run %d: the program did not end cleanly\n", run + 1);
    }
    std::printf(
        "start-up to the first title frame: median %.0f ms over %d runs (loading picture %.0f ms, "
        "processor time %.0f ms)\n",
        median(titleMs), settings.runs, median(loadingMs), median(startCpuMs));
    std::printf("title screen: %.1f %% of one processor over %d s\n", idleShare, settings.idleSeconds);

    XCloseDisplay(x);
    std::error_code ec;
    fs::remove_all(folder, ec);
    return 0;
}

int main(int argc, char** argv) {
    try {
        return probe(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "title_probe: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "title_probe: an unknown error\n");
    }
    return 2;
}

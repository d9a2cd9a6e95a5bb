#include "support/Xvfb.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace vorn::test {

namespace {

// Starts the program with its standard input and error on /dev/null and its output to `outFd`
// (or /dev/null when -1); the child of posix_spawn allocates nothing, whatever threads this
// process has. The child's id, or -1.
pid_t spawn(const std::vector<std::string>& command, int outFd = -1, int closeFd = -1) {
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (const auto& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (closeFd >= 0) posix_spawn_file_actions_addclose(&actions, closeFd);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

}  // namespace

Xvfb::Xvfb(int width, int height) : width_(width), height_(height) {
    // Xvfb chooses a free display itself and writes its number to the pipe once it is ready.
    int ready[2];
    if (pipe(ready) != 0) throw std::runtime_error("Xvfb: no pipe");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    pid_ = spawn({"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", screen, "-nolisten", "tcp"},
                 -1, ready[0]);
    close(ready[1]);
    if (pid_ < 0) throw std::runtime_error("Xvfb: cannot start");
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (poll(&wait, 1, 100) <= 0) continue;
        char buffer[32];
        const ssize_t n = read(ready[0], buffer, sizeof buffer);
        if (n <= 0) break;
        number.append(buffer, static_cast<size_t>(n));
    }
    close(ready[0]);
    if (number.find('\n') == std::string::npos) {
        stop();
        throw std::runtime_error("Xvfb did not start");
    }
    number.resize(number.find('\n'));
    display_ = std::string(1, ':') + number;
    if (const char* previous = std::getenv("DISPLAY")) {
        hadDisplay_ = true;
        previousDisplay_ = previous;
    }
    setenv("DISPLAY", display_.c_str(), 1);
}

Xvfb::~Xvfb() { stop(); }

void Xvfb::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    if (!display_.empty()) {
        if (hadDisplay_)
            setenv("DISPLAY", previousDisplay_.c_str(), 1);
        else
            unsetenv("DISPLAY");
        display_.clear();
    }
}

int Xvfb::run(const std::vector<std::string>& command, std::string* output) {
    int out[2] = {-1, -1};
    if (output && pipe(out) != 0) return -1;
    const pid_t child = spawn(command, output ? out[1] : -1, output ? out[0] : -1);
    if (output) {
        close(out[1]);
        output->clear();
        char buffer[65536];
        ssize_t n;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0) output->append(buffer, static_cast<size_t>(n));
        close(out[0]);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

uint32_t Xvfb::Image::pixel(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * width + x) * 3;
    return (uint32_t{rgb[at]} << 16) | (uint32_t{rgb[at + 1]} << 8) | rgb[at + 2];
}

Xvfb::Image Xvfb::capture() const {
    Image image;
    std::string raw;
    if (run({"import", "-display", display_, "-window", "root", "-depth", "8", "rgb:-"}, &raw) != 0)
        return image;
    if (raw.size() != static_cast<size_t>(width_) * height_ * 3) return image;
    image.width = width_;
    image.height = height_;
    image.rgb.assign(raw.begin(), raw.end());
    return image;
}

// NOLINTBEGIN(readability-convert-member-functions-to-static): the keys go to the screen this
// object started, which the environment names, so they are asked of the object.
bool Xvfb::key(const std::string& keys) const { return run({"xdotool", "key", "--delay", "30", keys}) == 0; }
bool Xvfb::keyDown(const std::string& keys) const { return run({"xdotool", "keydown", keys}) == 0; }
bool Xvfb::keyUp(const std::string& keys) const { return run({"xdotool", "keyup", keys}) == 0; }
bool Xvfb::type(const std::string& text) const {
    return run({"xdotool", "type", "--delay", "30", "--", text}) == 0;
}

bool Xvfb::waitForWindow(const std::string& title, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        std::string found;
        if (run({"xdotool", "search", "--onlyvisible", "--name", title}, &found) == 0 && !found.empty())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}
// NOLINTEND(readability-convert-member-functions-to-static)

}  // namespace vorn::test

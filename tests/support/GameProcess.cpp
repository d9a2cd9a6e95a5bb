#include "support/GameProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn::test {

namespace {

bool startsWith(const char* entry, const char* prefix) {
    return std::strncmp(entry, prefix, std::strlen(prefix)) == 0;
}

// The environment the program runs in: this one, but for the given entries and the test's own.
std::vector<std::string> environmentFor(bool windowed, const std::vector<std::string>& given) {
    std::vector<std::string> env;
    bool audioChosen = false;
    auto replaced = [&](const char* entry) {
        return std::ranges::any_of(given, [&](const std::string& g) {
            return startsWith(entry, g.substr(0, g.find('=') + 1).c_str());
        });
    };
    for (char** e = environ; *e; ++e) {
        if (startsWith(*e, "VORN_WINDOWED=") || startsWith(*e, "VORN_NO_MESSAGE_BOX=") || replaced(*e))
            continue;
        if (startsWith(*e, "SDL_AUDIODRIVER=")) audioChosen = true;
        env.emplace_back(*e);
    }
    env.insert(env.end(), given.begin(), given.end());
    env.emplace_back("VORN_NO_MESSAGE_BOX=1");
    if (windowed) env.emplace_back("VORN_WINDOWED=1");
    if (!audioChosen) env.emplace_back("SDL_AUDIODRIVER=dummy");
    return env;
}

std::string wholeFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> out;
    out.reserve(strings.size() + 1);
    for (auto& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

}  // namespace

void GameProcess::copyProgramInto(const fs::path& folder) {
    fs::copy_file(fs::path(binDir()) / "vorn", folder / "vorn", fs::copy_options::overwrite_existing);
}

GameProcess::GameProcess(const fs::path& folder, const std::vector<std::string>& arguments, bool windowed,
                         const std::vector<std::string>& environment)
    : errorFile_(folder / "stderr.txt"), outputFile_(folder / "stdout.txt") {
    std::vector<std::string> argv = {(folder / "vorn").string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env = environmentFor(windowed, environment);
    const auto args = pointersTo(argv);
    const auto envp = pointersTo(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // The program finds its folder by itself, wherever it is started from.
    posix_spawn_file_actions_addchdir_np(&actions, "/");
    const int failed = posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + argv[0]);
    }
}

GameProcess::~GameProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool GameProcess::running() { return wait(0) == -1 && pid_ > 0; }

void GameProcess::signal(int sig) const {
    if (pid_ > 0) kill(pid_, sig);
}

int GameProcess::wait(int timeoutMs) {
    if (pid_ <= 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string GameProcess::errors() const { return wholeFile(errorFile_); }

std::string GameProcess::output() const { return wholeFile(outputFile_); }

}  // namespace vorn::test

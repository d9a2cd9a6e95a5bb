// The real program, run from a folder of its own as a player runs it: a copy of `vorn` beside
// its data, started from another current folder with the given arguments, silent (the dummy
// sound driver unless one is chosen), messages on standard error only, full screen unless
// VORN_WINDOWED is set by the caller's environment on purpose. Its standard output and error
// are kept in "stdout.txt" and "stderr.txt" beside it. Killed at the end if it is still running.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vorn::test {

class GameProcess {
public:
    // Copies the built program into `folder` (which holds the data, e.g. a DataDir) first.
    static void copyProgramInto(const std::filesystem::path& folder);

    // `environment` holds NAME=value entries that replace the inherited ones of that name.
    explicit GameProcess(const std::filesystem::path& folder, const std::vector<std::string>& arguments = {},
                         bool windowed = false, const std::vector<std::string>& environment = {});
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool running();
    void signal(int sig) const;
    // The exit status, or -1 when it did not end in time or ended by a signal.
    int wait(int timeoutMs);
    std::string errors() const;
    std::string output() const;

private:
    pid_t pid_ = -1;
    std::filesystem::path errorFile_, outputFile_;
};

}  // namespace vorn::test

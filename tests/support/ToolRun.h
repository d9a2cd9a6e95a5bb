// Runs one of the programs built beside the game, as a level author would from a shell.
#pragma once

#include <string>
#include <vector>

namespace vorn::test {

struct ToolRun {
    int status = -1;                 // the exit status; -1 when the program did not end normally
    std::vector<std::string> lines;  // what it printed, a line each
    std::string text() const;        // the lines joined again, each with its line end
};

// Runs `tool` (vorn-sim, vorn-levelcheck, ...) from the build's program folder with the
// arguments, standard error with standard output when `withErrors`.
ToolRun runTool(const std::string& tool, const std::string& arguments, bool withErrors = true);

}  // namespace vorn::test

// vorn-soak's command line: the options, the soak over a range of levels and seeds, the summary,
// and on a broken invariant the key file that replays it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vorn::soak {

struct Options {
    std::string dataDir;                // empty: the program's own folder
    int firstLevel = 0, lastLevel = 0;  // 0: from the first level, to the last
    long seeds = 10;                    // seeds 1 to this, on every level
    long frames = 3000;                 // the longest a run lasts
};

inline constexpr const char* kUsage = "usage: vorn-soak [--data DIR] [--levels A-B] [--seeds N] [--frames N]";

// Throws std::invalid_argument with a message for the user.
Options parseArguments(const std::vector<std::string>& args);

// Soaks every level and seed asked for, writing the summary to out and problems to err. The exit
// status: 0 when every invariant held, 1 when one broke (its key file is then written into the
// current folder), 2 when the soak could not be run.
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace vorn::soak

// The start-up procedure: makes the program's folder current, reads the developer word,
// opens the main window, starts the one Game and runs the main loop to its end.
#pragma once

#include <filesystem>
#include <string>

#include "platform/Platform.h"

namespace vorn {

inline constexpr int kExitOrderly = 0;
// Start-up, drawing or stepping failed: the run ended at once and wrote no files.
inline constexpr int kExitAtOnce = 1;

// The whole argument text, upper-cased, must be the word and nothing else.
bool isDeveloperWord(const std::string& commandLine);

// Returns the program's exit status.
int Main(Platform& platform, const std::filesystem::path& programFolder, const std::string& commandLine);

}  // namespace vorn

// The start-up procedure: makes the data folder current, opens the main window, starts the
// one Game with the folders of its files and runs the main loop to its end.
#pragma once

#include <filesystem>

#include "app/GamePaths.h"
#include "platform/Platform.h"

namespace vorn {

inline constexpr int kExitOrderly = 0;
// Start-up, drawing or stepping failed: the run ended at once and wrote no files.
inline constexpr int kExitAtOnce = 1;

// Returns the program's exit status. A `replay` file, when given, is played first.
int Main(Platform& platform, const GamePaths& paths, bool developerMode,
         const std::filesystem::path& replay = {});

}  // namespace vorn

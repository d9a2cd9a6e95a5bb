// The difficulty table drawn as curves across the levels, for people to read at a glance:
// three panels over one level axis (the shares in percent, the ways' lengths in seconds, the
// bombs and crystals), each measure a line of its own, the themes marked as bands.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Difficulty.h"

namespace vorn::levelcheck {

// Writes the chart as a PNG; false when it cannot be written.
[[nodiscard]] bool drawDifficultyChart(const std::filesystem::path& png,
                                       const std::vector<LevelDifficulty>& rows, const std::string& title);

}  // namespace vorn::levelcheck

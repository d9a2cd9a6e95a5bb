// Where the game reads its level files and keeps its two saved files. Each folder is either
// a path or empty for the current folder, which holds the pictures and sounds; a game run from
// its own folder leaves all three empty and opens every file by its bare name.
#pragma once

#include <filesystem>

namespace vorn {

struct GameFolders {
    std::filesystem::path levels;      // "Levels.txt" and "LevelNames.txt"
    std::filesystem::path options;     // "Options.dat"
    std::filesystem::path highScores;  // "HighScores.dat"
};

}  // namespace vorn

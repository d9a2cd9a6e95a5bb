// Small stand-ins for the game's data files, written by the tests themselves: plain bitmaps,
// short wave files, and level files built from grids, so start-up can be tested on folders
// that miss or break exactly one file.
#pragma once

#include <string>
#include <vector>

namespace vorn::test {

class DataDir;

// The file names the game must find, in the order it loads them.
extern const std::vector<std::string> kBitmapNames;  // "Loading.bmp" first, then the other nineteen
extern const std::vector<std::string> kSoundNames;   // all seventeen

// A short wave file.
std::string waveBytes();

// A level of 30 rows of 16 cells: every row blank except those given.
struct LevelRows {
    std::vector<std::string> rows = std::vector<std::string>(30, std::string(16, ' '));
};
// "Levels.txt" with the given levels, each framed by separators, lines ended by `lineEnd`.
std::string levelsText(const std::vector<LevelRows>& levels, const std::string& lineEnd = "\r\n");
// A grid line: the frame characters around 16 cells.
std::string gridLine(const std::string& cells, char frame = 'X');
std::string separatorLine();
// "LevelNames.txt" with `count` names "Level 1", "Level 2", ...
std::string levelNamesText(int count);

// Writes every bitmap, every sound and five simple levels with their names into the folder.
void writeGameFiles(const DataDir& dir);

}  // namespace vorn::test

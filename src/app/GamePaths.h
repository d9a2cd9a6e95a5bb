// Where the program finds its data and keeps its files.
//
// The pictures, sounds and levels are in the program's own folder when "Levels.txt" is there
// (the build tree, a copied folder), and otherwise in the installed data folder beside the
// program's. A copied folder that can be written to keeps the two saved files with it; any
// other game keeps them in the player's save folder, $XDG_DATA_HOME/vorn, which is made when
// the first file goes into it. A level set of its own (--levels) keeps its high scores in its
// folder when that can be written to, otherwise in a folder of its own under the save folder,
// so a score on an easy set never enters the main table.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "game/state/GameFolders.h"

namespace vorn {

// The installed data folder, relative to the program's folder ("../share/games/vorn").
extern const char* const kInstalledDataFolder;
// Under the save folder: one folder per level set that cannot keep its own table.
inline constexpr char kLevelSetsFolder[] = "level-sets";

struct GamePaths {
    std::filesystem::path data;  // the pictures and sounds; Main makes it the current folder
    // Empty where a file stays beside the data, opened by its bare name; absolute otherwise.
    GameFolders folders;

    // The folder itself, for people to read: the data folder for an empty one.
    std::filesystem::path shown(const std::filesystem::path& folder) const;
};

// What the paths depend on besides the file system.
struct PathSettings {
    std::filesystem::path programFolder;
    std::filesystem::path levelSet;  // --levels DIR; empty for the game's own levels
    std::string xdgDataHome;         // $XDG_DATA_HOME
    std::string home;                // $HOME, or the account's home folder
};

// The settings of this process: its environment and its account.
PathSettings pathSettings(const std::filesystem::path& programFolder, const std::filesystem::path& levelSet);

// The program's own folder when "Levels.txt" is there, otherwise the installed data folder
// when it holds one; the program's own folder again when neither does, so the loaders say
// which file is missing.
std::filesystem::path findDataFolder(const std::filesystem::path& programFolder);

// $XDG_DATA_HOME/vorn when that is an absolute path, otherwise ~/.local/share/vorn; empty when
// there is no home folder either.
std::filesystem::path playerSaveFolder(const std::string& xdgDataHome, const std::string& home);

// True when a new file can be made in the folder, found out by making one and removing it:
// the permission bits do not tell about read-only mounts, network shares and the like.
bool canCreateFilesIn(const std::filesystem::path& folder);

using WritableTest = std::function<bool(const std::filesystem::path&)>;
GamePaths findGamePaths(const PathSettings& settings, const WritableTest& writable = canCreateFilesIn);

}  // namespace vorn

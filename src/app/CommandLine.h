// The program's command line. Words that start with "-" are options, and every one must be
// known; the other words are kept only for the developer word: developer mode is on when they,
// joined by single blanks and upper-cased, are exactly "SANDBOX". A new option is one line of
// the table in CommandLine.cpp.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vorn {

struct GamePaths;

// An unknown option or one missing its value: the usage and the reason went to standard error.
inline constexpr int kExitBadCommandLine = 2;

struct CommandLine {
    enum class Action { Play, Help, Version };
    Action action = Action::Play;
    std::optional<bool> windowed;    // --windowed or --fullscreen, the last one given
    std::filesystem::path levelSet;  // --levels DIR
    std::filesystem::path replay;    // --replay FILE
    bool developerMode = false;      // --sandbox, or the developer word
    std::string error;               // why the command line was turned away; empty when it was not
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// The whole argument text, upper-cased, must be the word and nothing else.
bool isDeveloperWord(const std::string& words);

// "usage: vorn [OPTION]..." and the options, one line each.
std::string usageText();
// The usage, the keys, where the files are read and written, and the environment.
std::string helpText(const GamePaths& paths);
// "Vorn! 1.0"
std::string versionText();

}  // namespace vorn

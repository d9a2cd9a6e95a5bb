// The command line: options, the developer word among the other words, and the reasons a
// command line is turned away; and what the help says about where the files are.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/GamePaths.h"

namespace vorn {
namespace {

CommandLine parse(std::vector<const char*> words) {
    words.insert(words.begin(), "vorn");
    return parseCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(DeveloperWord, OnlyTheWholeWordInAnyCase) {
    for (const char* on : {"SANDBOX", "sandbox", "sANDBOx"}) EXPECT_TRUE(isDeveloperWord(on)) << on;
    for (const char* off : {"", "SANDBOX ", " SANDBOX", "/SANDBOX", "SANDBOX now", "SANDBOXX", "SANDBO"})
        EXPECT_FALSE(isDeveloperWord(off)) << '[' << off << ']';
}

TEST(CommandLineOptions, EachOptionAndTheWordsBesideThem) {
    using Action = CommandLine::Action;
    const struct {
        std::vector<const char*> words;
        Action action;
        std::optional<bool> windowed;
        const char* levelSet;
        bool developerMode;
    } cases[] = {
        {{}, Action::Play, std::nullopt, "", false},
        {{"sAnDbOx"}, Action::Play, std::nullopt, "", true},
        {{"--sandbox"}, Action::Play, std::nullopt, "", true},
        // The other words are ignored, but the developer word must stand alone among them.
        {{"later"}, Action::Play, std::nullopt, "", false},
        {{"SANDBOX", "now"}, Action::Play, std::nullopt, "", false},
        {{"SANDBOX", ""}, Action::Play, std::nullopt, "", false},
        {{"--windowed", "sandbox"}, Action::Play, true, "", true},
        {{"--windowed", "--fullscreen"}, Action::Play, false, "", false},
        {{"--fullscreen", "--windowed"}, Action::Play, true, "", false},
        {{"--levels", "sets/easy"}, Action::Play, std::nullopt, "sets/easy", false},
        {{"--levels=sets/easy", "--levels", "-odd"}, Action::Play, std::nullopt, "-odd", false},
        // A value is never the developer word.
        {{"--levels", "SANDBOX"}, Action::Play, std::nullopt, "SANDBOX", false},
        {{"-h"}, Action::Help, std::nullopt, "", false},
        {{"--version"}, Action::Version, std::nullopt, "", false},
        {{"--version", "--help"}, Action::Help, std::nullopt, "", false},
        {{"--help", "--version"}, Action::Help, std::nullopt, "", false},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.words);
        const std::string shown = c.words.empty() ? "(none)" : c.words.front();
        EXPECT_EQ(line.error, "") << shown;
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.windowed, c.windowed) << shown;
        EXPECT_EQ(line.levelSet, c.levelSet) << shown;
        EXPECT_EQ(line.developerMode, c.developerMode) << shown;
    }
}

TEST(CommandLineOptions, UnknownOptionsAndMissingValuesAreTurnedAwayWithTheReason) {
    const struct {
        std::vector<const char*> words;
        const char* reason;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-"}, "unknown option '-'"},
        {{"--"}, "unknown option '--'"},
        {{"--Windowed"}, "unknown option '--Windowed'"},
        {{"--window"}, "unknown option '--window'"},
        {{"--help", "-x"}, "unknown option '-x'"},
        {{"--levels"}, "option '--levels' needs a value: DIR"},
        {{"--levels="}, "option '--levels' needs a value: DIR"},
        {{"--levels", ""}, "option '--levels' needs a value: DIR"},
        {{"--windowed=yes"}, "option '--windowed' takes no value"},
    };
    for (const auto& c : cases) EXPECT_EQ(parse(c.words).error, c.reason) << c.words.back();
}

TEST(CommandLineHelp, NamesTheFolderOfEachFile) {
    GamePaths paths;
    paths.data = "/opt/vorn/share/games/vorn";
    paths.folders = {"/home/p/sets/easy", "/home/p/.local/share/vorn",
                     "/home/p/.local/share/vorn/level-sets/x"};
    const std::string help = helpText(paths);
    for (const char* line :
         {"  pictures, sounds  /opt/vorn/share/games/vorn\n", "  levels            /home/p/sets/easy\n",
          "  Options.dat       /home/p/.local/share/vorn\n",
          "  HighScores.dat    /home/p/.local/share/vorn/level-sets/x\n",
          "  --levels DIR      play the level set in DIR", "  F1                start a game",
          "  VORN_WINDOWED=1   start in a window"})
        EXPECT_NE(help.find(line), std::string::npos) << line << "\nin\n" << help;

    // A copied folder keeps everything beside its data.
    paths.folders = {};
    EXPECT_NE(helpText(paths).find("  HighScores.dat    /opt/vorn/share/games/vorn\n"), std::string::npos);
}

}  // namespace
}  // namespace vorn

// The command line: options, the developer word among the other words, and the reasons a
// command line is turned away. (What the help says is read from the real program's output.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace vorn {
namespace {

CommandLine parse(std::vector<const char*> words) {
    words.insert(words.begin(), "vorn");
    return parseCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(DeveloperWord, OnlyTheWholeWordInAnyCase) {
    for (const char* on : {"SANDBOX", "sANDBOx"}) EXPECT_TRUE(isDeveloperWord(on)) << on;
    for (const char* off : {"", "SANDBOX ", "/SANDBOX", "SANDBOXX", "SANDBO"})
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
        // The other words are ignored, but the developer word must stand alone among them.
        {{"SANDBOX", "now"}, Action::Play, std::nullopt, "", false},
        {{"--windowed", "sandbox"}, Action::Play, true, "", true},
        {{"--windowed", "--fullscreen"}, Action::Play, false, "", false},
        {{"--levels=sets/easy", "--levels", "-odd"}, Action::Play, std::nullopt, "-odd", false},
        // A value is never the developer word.
        {{"--levels", "SANDBOX"}, Action::Play, std::nullopt, "SANDBOX", false},
        {{"-h"}, Action::Help, std::nullopt, "", false},
        {{"--version"}, Action::Version, std::nullopt, "", false},
        {{"--version", "--help"}, Action::Help, std::nullopt, "", false},
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
        {{"--Windowed"}, "unknown option '--Windowed'"},
        {{"--help", "-x"}, "unknown option '-x'"},
        {{"--levels"}, "option '--levels' needs a value: DIR"},
        {{"--windowed=yes"}, "option '--windowed' takes no value"},
    };
    for (const auto& c : cases) EXPECT_EQ(parse(c.words).error, c.reason) << c.words.back();
}

}  // namespace
}  // namespace vorn

#include "app/CommandLine.h"

#include <string_view>

#include "app/GamePaths.h"

namespace vorn {

namespace {

struct Option {
    const char* name;   // "--levels"
    const char* alias;  // "-h", or nullptr
    const char* value;  // "DIR" for an option that takes one, nullptr for a switch
    const char* help;
    void (*apply)(CommandLine& line, const std::string& value);
};

constexpr Option kOptions[] = {
    {"--windowed", nullptr, nullptr, "start in an 800 x 600 window",
     [](CommandLine& c, const std::string&) { c.windowed = true; }},
    {"--fullscreen", nullptr, nullptr, "start full screen (the default)",
     [](CommandLine& c, const std::string&) { c.windowed = false; }},
    {"--levels", nullptr, "DIR", "play the level set in DIR (its Levels.txt and LevelNames.txt)",
     [](CommandLine& c, const std::string& dir) { c.levelSet = dir; }},
    {"--replay", nullptr, "FILE", "watch a kept game (Esc ends it, P pauses, Tab held plays it fast)",
     [](CommandLine& c, const std::string& file) { c.replay = file; }},
    {"--sandbox", nullptr, nullptr, "developer mode, as the word SANDBOX in any letter case",
     [](CommandLine& c, const std::string&) { c.developerMode = true; }},
    {"--help", "-h", nullptr, "print this help and exit",
     [](CommandLine& c, const std::string&) { c.action = CommandLine::Action::Help; }},
    {"--version", nullptr, nullptr, "print the version and exit",
     [](CommandLine& c, const std::string&) {
         if (c.action == CommandLine::Action::Play) c.action = CommandLine::Action::Version;
     }},
};

const Option* findOption(std::string_view name) {
    for (const Option& option : kOptions)
        if (name == option.name || (option.alias && name == option.alias)) return &option;
    return nullptr;
}

// The keys as the player meets them; the gamepad's buttons get a table of their own beside it.
constexpr const char* kKeys[][2] = {
    {"F1", "start a game (also restarts a running one)"},
    {"F2", "options (sound effects on or off)"},
    {"F3", "on the title screen, watch the best game kept (else the last one)"},
    {"Esc", "back to the title screen (also from a pause); on the title screen, quit"},
    {"P", "pause; press again to go on (leaving the window pauses too)"},
    {"Left, Right", "run"},
    {"Up or Space", "jump (not from thin platforms)"},
    {"Down", "drop through the platform underfoot"},
    {"Shift or Ctrl", "shoot, while the ball blaster lasts"},
    {"Alt+Enter, F11", "switch between full screen and a window"},
    {"F5, F6, F7", "developer mode: next level, last level, health to 10"},
};

// What a game pad's buttons do; keyboard and pads work together.
constexpr const char* kPadButtons[][2] = {
    {"D-pad, left stick", "run, jump (up), drop (down); in a dialog, move"},
    {"A", "jump; on the title screen, start a game; in a dialog, press"},
    {"X or B", "shoot"},
    {"Start", "pause and go on; on the title screen, start a game; in a dialog, OK"},
    {"Back", "back to the title screen"},
};

void appendColumns(std::string& out, const std::string& left, const std::string& right) {
    constexpr std::size_t kColumn = 20;
    out += "  " + left;
    out += left.size() + 2 < kColumn ? std::string(kColumn - 2 - left.size(), ' ') : "  ";
    out += right + "\n";
}

}  // namespace

bool isDeveloperWord(const std::string& words) {
    std::string upper = words;
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return upper == "SANDBOX";
}

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    std::string words;
    bool firstWord = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.empty() || argument[0] != '-') {
            if (!firstWord) words += ' ';
            words += argument;
            firstWord = false;
            continue;
        }
        // "--levels=DIR" says the same as "--levels DIR".
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const Option* option = findOption(name);
        if (!option) {
            line.error = "unknown option '" + argument + "'";
            return line;
        }
        std::string value;
        if (option->value) {
            if (equals != std::string::npos)
                value = argument.substr(equals + 1);
            else if (i + 1 < argc)
                value = argv[++i];
            if (value.empty()) {
                line.error = "option '" + name + "' needs a value: " + option->value;
                return line;
            }
        } else if (equals != std::string::npos) {
            line.error = "option '" + name + "' takes no value";
            return line;
        }
        option->apply(line, value);
    }
    if (isDeveloperWord(words)) line.developerMode = true;
    return line;
}

std::string usageText() {
    std::string out = "usage: vorn [OPTION]... [SANDBOX]\n\nOptions:\n";
    for (const Option& option : kOptions) {
        std::string left = option.alias ? std::string(option.alias) + ", " + option.name : option.name;
        if (option.value) left += std::string(" ") + option.value;
        appendColumns(out, left, option.help);
    }
    return out;
}

std::string helpText(const GamePaths& paths) {
    std::string out =
        "Vorn! is a single-screen arcade platformer: take every crystal, dodge the bombs,\n"
        "rescue Dovi on the last level.\n\n";
    out += usageText();

    out += "\nKeys:\n";
    for (const auto& [key, what] : kKeys) appendColumns(out, key, what);
    out += "\nGamepad:\n";
    for (const auto& [button, what] : kPadButtons) appendColumns(out, button, what);

    out += "\nFiles:\n";
    appendColumns(out, "pictures, sounds", paths.data.string());
    appendColumns(out, "levels", paths.shown(paths.folders.levels).string());
    appendColumns(out, "Options.dat", paths.shown(paths.folders.options).string());
    appendColumns(out, "HighScores.dat", paths.shown(paths.folders.highScores).string());
    out += "The data is read from the program's own folder when Levels.txt is there, otherwise\nfrom ";
    out += kInstalledDataFolder;
    out +=
        " beside the program's folder. A copied folder that can be\n"
        "written to keeps the options and the high scores; otherwise they are kept in\n"
        "$XDG_DATA_HOME/vorn (~/.local/share/vorn), made when first needed. A level set of\n"
        "its own keeps its high scores in its folder when that can be written to, otherwise\n"
        "in ";
    out += kLevelSetsFolder;
    out += "/ beside the options.\n";

    out += "\nEnvironment:\n";
    appendColumns(out, "VORN_WINDOWED=1", "start in a window (--windowed and --fullscreen win over it)");
    appendColumns(out, "XDG_DATA_HOME", "where the folder vorn/ for the options and high scores goes");
    return out;
}

std::string versionText() { return std::string("Vorn! ") + VORN_VERSION; }

}  // namespace vorn

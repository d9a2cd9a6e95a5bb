// "Levels.txt" and "LevelNames.txt", split out of one input at the first marker line; without the
// marker there is no names file. A set that loads has 1 to 50 levels, each grid complete, made
// only of known codes and holding no more than 100 platform and 100 item cells; a set that fails
// gives one of the loader's own messages and leaves the levels loaded before as they were.
#include <algorithm>
#include <cstring>
#include <memory>
#include <regex>
#include <string>

#include "FuzzTarget.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn::fuzz {

namespace {

constexpr std::string_view kNamesMarker = "=== LevelNames.txt ===\r\n";
constexpr std::string_view kPrefix = "Game - LoadLevels - ";
// Never a level code: a cell still holding it after a load was never written.
constexpr uint8_t kUnwritten = 0xEE;

bool isKnownCode(uint8_t code) { return code <= 4 || (code >= 10 && code <= 16) || code == kEmptyCell; }

bool isLoaderMessage(std::string_view description) {
    static const std::string_view fixed[] = {
        "File not found",
        "Path/File access error",
        "Input past end of file",
        "Level file line length invalid.",
        "Unexpected new level line",
        "Grid line before the first new level line.",
        "More than 50 levels.",
        "No levels loaded.",
    };
    if (std::ranges::find(fixed, description) != std::end(fixed)) return true;
    // The character itself, or the code of a control character, which would not show.
    constexpr std::string_view kCharacter = "Invalid level character: ";
    if (description.starts_with(kCharacter)) {
        const std::string_view shown = description.substr(kCharacter.size());
        for (int byte = 0; byte < 0x20; ++byte)
            if (shown == "(code " + std::to_string(byte) + ")") return true;
        if (shown == "(code 127)") return true;
        const auto byte = shown.size() == 1 ? static_cast<unsigned char>(shown[0]) : 0;
        return byte >= 0x20 && byte != 0x7F && levelCode(shown[0]) == kInvalidCellCode;
    }
    // "Level N has more than 100 platforms." (or items) for a level N of the file.
    static const std::regex limit("Level ([1-9][0-9]?) has more than 100 (platforms|items)\\.");
    std::smatch m;
    const std::string text(description);
    return std::regex_match(text, m, limit) && std::stoi(m[1]) <= kMaxLevels;
}

// What a load must not touch when it fails.
struct LevelState {
    int16_t count = 0;
    uint8_t grid[kGridRows][kGridColumns][kMaxLevels] = {};
    std::array<std::string, kMaxLevels> names;

    explicit LevelState(const Game& g) : count(g.LevelCount), names(g.LevelNames) {
        std::memcpy(grid, g.LevelGrid, sizeof grid);
    }
    bool sameAs(const Game& g) const {
        return count == g.LevelCount && std::memcmp(grid, g.LevelGrid, sizeof grid) == 0 &&
               names == g.LevelNames;
    }
};

void checkLevels(std::string_view input) {
    const std::size_t marker = input.find(kNamesMarker);
    const bool hasNames = marker != std::string_view::npos;
    writeFile("Levels.txt", input.substr(0, marker));
    if (hasNames)
        writeFile("LevelNames.txt", input.substr(marker + kNamesMarker.size()));
    else
        removeFile("LevelNames.txt");

    HeadlessPlatform host;
    host.messages.echoToStderr = false;
    auto game = std::make_unique<Game>(host.platform());
    // A set loaded before, which a failing load leaves as it is.
    game->LevelCount = 3;
    std::memset(game->LevelGrid, kUnwritten, sizeof game->LevelGrid);
    for (int i = 0; i < kMaxLevels; ++i) game->LevelNames[i] = "Loaded before " + std::to_string(i + 1);
    const auto before = std::make_unique<LevelState>(*game);

    const bool loaded = game->LoadLevels();
    const std::vector<std::string>& shown = host.messages.shown;
    if (!loaded) {
        require(shown.size() == 1, "a failed load shows exactly one message");
        require(shown[0].starts_with(kPrefix), "the message names the loader: " + shown[0]);
        const std::string_view description = std::string_view(shown[0]).substr(kPrefix.size());
        require(isLoaderMessage(description), "not one of the loader's messages: " + shown[0]);
        require(hasNames || description != "Input past end of file",
                "a missing names file was read: " + shown[0]);
        require(!hasNames || description != "File not found", "the names file was there: " + shown[0]);
        require(before->sameAs(*game), "a failed load changed the levels loaded before: " + shown[0]);
        return;
    }

    require(shown.empty(), "a load that succeeds shows no message");
    require(hasNames, "the set loaded without a names file");
    require(game->LevelCount >= 1 && game->LevelCount <= kMaxLevels,
            "level count out of range: " + std::to_string(game->LevelCount));
    for (int level = 0; level < game->LevelCount; ++level) {
        const std::string where = "level " + std::to_string(level + 1);
        int platforms = 0, items = 0;
        for (int row = 0; row < kGridRows; ++row) {
            for (int column = 0; column < kGridColumns; ++column) {
                const uint8_t code = game->LevelGrid[row][column][level];
                require(code != kUnwritten, where + " has a cell the file never gave");
                require(isKnownCode(code), where + " has unknown code " + std::to_string(code));
                platforms += code <= 4;
                items += code >= 10 && code <= 16;
            }
        }
        require(platforms <= kMaxPlatforms, where + " has " + std::to_string(platforms) + " platforms");
        require(items <= kMaxItems, where + " has " + std::to_string(items) + " items");
        require(game->LevelNames[level].find('\r') == std::string::npos, where + "'s name holds a line end");
    }
}

}  // namespace

VORN_FUZZ_TARGET("levels", checkLevels);

}  // namespace vorn::fuzz

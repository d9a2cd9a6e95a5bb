// "Levels.txt" holds every level as 30 grid lines of 18 characters between separator lines of
// 18 capital X; "LevelNames.txt" holds one name per level. Any fault stops the loading and leaves
// the levels loaded before as they were.
#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "core/Error.h"
#include "game/state/Game.h"
#include "game/state/LevelCodes.h"
#include "game/state/TextFile.h"

namespace vorn {

namespace {

constexpr std::size_t kLineLength = 18;
const std::string kSeparator(kLineLength, 'X');

[[noreturn]] void fault(const std::string& description) { throw VornError(kErrNotInitialized, description); }

// A control character would not show in the message (a NUL would even end it), so its code is
// shown instead.
uint8_t cellCode(char ch) {
    const int code = levelCode(ch);
    if (code == kInvalidCellCode) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool control = byte < 0x20 || byte == 0x7F;
        throw VornError(kErrUserBase,
                        "Invalid level character: " +
                            (control ? "(code " + std::to_string(byte) + ")" : std::string(1, ch)));
    }
    return static_cast<uint8_t>(code);
}

// Both files are read into a copy that replaces the game's levels only when all went well.
struct LevelSet {
    uint8_t grid[kGridRows][kGridColumns][kMaxLevels];
    std::array<std::string, kMaxLevels> names;
};

}  // namespace

bool Game::LoadLevels() {
    return trapErrors(platform.messages, "Game - LoadLevels - ", [&] {
        auto set = std::make_unique<LevelSet>();
        std::copy_n(&LevelGrid[0][0][0], sizeof LevelGrid, &set->grid[0][0][0]);
        set->names = LevelNames;

        TextFile levels((folders.levels / "Levels.txt").string());
        // The row starts at 29 so that the opening separator is accepted like a closing one.
        int level = -1;
        int row = kGridRows - 1;
        // A level start lays out at most 100 platforms and 100 items; a level with more
        // would not fit, so it is turned away here rather than cut short in play.
        int platformCells = 0, itemCells = 0;

        while (!levels.atEnd()) {
            const std::string line = levels.readLine();
            if (line.size() != kLineLength) fault("Level file line length invalid.");

            if (line == kSeparator) {
                if (row != kGridRows - 1) fault("Unexpected new level line");
                ++level;
                row = -1;
                platformCells = itemCells = 0;
                continue;
            }

            ++row;
            if (level < 0) fault("Grid line before the first new level line.");
            if (level >= kMaxLevels) fault("More than " + std::to_string(kMaxLevels) + " levels.");
            for (int column = 0; column < kGridColumns; ++column) {
                const uint8_t code = cellCode(line[column + 1]);
                // A 31st grid line is checked but has nowhere to go; its level fails at its separator.
                if (row >= kGridRows) continue;
                set->grid[row][column][level] = code;
                if (isPlatformCode(code) && ++platformCells > kMaxPlatforms)
                    fault("Level " + std::to_string(level + 1) + " has more than " +
                          std::to_string(kMaxPlatforms) + " platforms.");
                if (isItemCode(code) && ++itemCells > kMaxItems)
                    fault("Level " + std::to_string(level + 1) + " has more than " +
                          std::to_string(kMaxItems) + " items.");
            }
        }
        if (level < 1) fault("No levels loaded.");

        TextFile names((folders.levels / "LevelNames.txt").string());
        for (int i = 0; i < level; ++i) set->names[i] = names.readLine();

        LevelCount = static_cast<int16_t>(level);
        std::copy_n(&set->grid[0][0][0], sizeof LevelGrid, &LevelGrid[0][0][0]);
        LevelNames = std::move(set->names);
        return true;
    });
}

// FNV-1a over the level count, every cell of every level and every name, each name closed by a
// zero byte so that names cannot run into each other.
uint64_t Game::levelSetFingerprint() const {
    uint64_t hash = 14695981039346656037ULL;
    auto add = [&hash](uint8_t byte) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    };
    add(static_cast<uint8_t>(LevelCount));
    for (int level = 0; level < LevelCount; ++level) {
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column) add(LevelGrid[row][column][level]);
        for (char c : LevelNames[level]) add(static_cast<uint8_t>(c));
        add(0);
    }
    return hash;
}

}  // namespace vorn

// "HighScores.dat": ten records of 22 bytes, best first, no header. A record is the name in
// 20 bytes of Windows-1252, padded with blanks, then the score as a little-endian 16-bit integer.
#include <cstdint>
#include <optional>

#include "core/Error.h"
#include "core/Windows1252.h"
#include "game/persist/DataFile.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr char kFileName[] = "HighScores.dat";
constexpr std::size_t kRecordSize = kHighScoreNameLength + 2;
constexpr std::size_t kFileSize = kRecordSize * kHighScoreRows;

}  // namespace

void Game::SetDefaultHighScores() {
    for (int k = 0; k < kHighScoreRows; ++k) {
        HighScores[k].Name = fitToCharacters("Dovi", kHighScoreNameLength);
        HighScores[k].Score = static_cast<int16_t>(10000 - 1000 * k);
    }
}

bool Game::LoadHighScores() {
    return trapErrors(platform.messages, "Game - LoadHighScores - ", [&] {
        const std::optional<std::string> bytes = readDataFile((folders.highScores / kFileName).string());
        if (!bytes) {
            SetDefaultHighScores();
            return true;
        }
        // A file cut short gives what it holds; the rows, names and scores it does not reach
        // are blank and 0.
        for (std::size_t k = 0; k < kHighScoreRows; ++k) {
            const std::size_t start = k * kRecordSize;
            const std::size_t nameBytes = bytes->size() > start ? bytes->size() - start : 0;
            std::string name(*bytes, std::min(start, bytes->size()),
                             std::min<std::size_t>(nameBytes, kHighScoreNameLength));
            name.resize(kHighScoreNameLength, ' ');
            HighScores[k].Name = windows1252ToUtf8(name);

            const std::size_t scoreAt = start + kHighScoreNameLength;
            int16_t score = 0;
            if (bytes->size() >= scoreAt + 2)
                score = static_cast<int16_t>(static_cast<uint8_t>((*bytes)[scoreAt]) |
                                             static_cast<uint8_t>((*bytes)[scoreAt + 1]) << 8);
            HighScores[k].Score = score;
        }
        return true;
    });
}

bool Game::SaveHighScores() {
    return trapErrors(platform.messages, "Game - SaveHighScores - ", [&] {
        std::string table;
        table.reserve(kFileSize);
        for (const HighScoreEntry& row : HighScores) {
            // Exactly 20 bytes, whatever the row holds.
            std::string name = utf8ToWindows1252(row.Name);
            name.resize(kHighScoreNameLength, ' ');
            table += name;
            const auto score = static_cast<uint16_t>(row.Score);
            table += static_cast<char>(score & 0xFF);
            table += static_cast<char>(score >> 8);
        }
        overwriteFileStart((folders.highScores / kFileName).string(), table);
        return true;
    });
}

}  // namespace vorn

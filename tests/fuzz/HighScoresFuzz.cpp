// "HighScores.dat": any bytes load. The table read is what the file holds, blank names and 0
// scores where it is short; saved again it gives the file's own bytes, the bytes past the table
// kept, and reading that back gives the same table. A failed load leaves the table as it was.
#include <algorithm>
#include <memory>
#include <string>

#include "FuzzTarget.h"
#include "core/Windows1252.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn::fuzz {

namespace {

constexpr char kFile[] = "HighScores.dat";
constexpr std::string_view kPrefix = "Game - LoadHighScores - ";
constexpr std::size_t kRecord = kHighScoreNameLength + 2;
constexpr std::size_t kTableSize = kRecord * kHighScoreRows;

using Table = std::array<HighScoreEntry, kHighScoreRows>;

bool sameTable(const Table& a, const Table& b) {
    return std::ranges::equal(a, b, [](const HighScoreEntry& x, const HighScoreEntry& y) {
        return x.Name == y.Name && x.Score == y.Score;
    });
}

// A table no file gives, so that a load that keeps it shows.
void fillWithOther(Game& g) {
    for (int k = 0; k < kHighScoreRows; ++k)
        g.HighScores[k] = HighScoreEntry{fitToCharacters("Before \xC3\xA9 " + std::to_string(k), 20),
                                         static_cast<int16_t>(-31000 + 7 * k)};
}

// The file a short input becomes when saved: its own bytes, blanks for the names and zeros for
// the scores it does not reach, a score cut in half counting as not reached.
std::string expectedSave(std::string_view input) {
    if (input.size() >= kTableSize) return std::string(input);
    std::string bytes(kTableSize, '\0');
    for (std::size_t at = 0; at < kTableSize; ++at) {
        const std::size_t inRecord = at % kRecord;
        const bool name = inRecord < kHighScoreNameLength;
        const std::size_t scoreEnd = at - inRecord + kRecord;
        if (name)
            bytes[at] = at < input.size() ? input[at] : ' ';
        else
            bytes[at] = scoreEnd <= input.size() ? input[at] : '\0';
    }
    return bytes;
}

void checkHighScores(std::string_view input) {
    writeFile(kFile, input);
    HeadlessPlatform host;
    host.messages.echoToStderr = false;
    auto game = std::make_unique<Game>(host.platform());
    fillWithOther(*game);
    const Table before = game->HighScores;

    if (!game->LoadHighScores()) {
        require(host.messages.shown.size() == 1, "a failed load shows exactly one message");
        const std::string& message = host.messages.shown[0];
        require(message.starts_with(kPrefix) && message.size() > kPrefix.size(),
                "not the loader's message: " + message);
        require(sameTable(before, game->HighScores), "a failed load changed the table: " + message);
        return;
    }
    require(host.messages.shown.empty(), "a load that succeeds shows no message");
    for (const HighScoreEntry& row : game->HighScores)
        require(isValidUtf8(row.Name) && utf8Length(row.Name) == kHighScoreNameLength,
                "a name read is not 20 characters of text: " + row.Name);
    const Table loaded = game->HighScores;

    require(game->SaveHighScores(), "the table read cannot be saved");
    const std::string saved = readFile(kFile);
    require(saved == expectedSave(input), "saved again, the file is not what was read");
    require(folderEntries() == std::vector<std::string>{kFile}, "the save left a file behind");

    fillWithOther(*game);
    require(game->LoadHighScores(), "the saved table does not load");
    require(sameTable(loaded, game->HighScores), "the saved table reads back different");
}

}  // namespace

VORN_FUZZ_TARGET("highscores", checkHighScores);

}  // namespace vorn::fuzz

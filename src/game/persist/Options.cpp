// "Options.dat": SoundEffects then Music, each a little-endian 16-bit integer, kept as read
// (any value but 0 is on) and written back the same unless the options dialog changed it.
#include <cstdint>
#include <optional>

#include "core/Error.h"
#include "game/persist/DataFile.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

constexpr char kFileName[] = "Options.dat";

// A value the file holds both bytes of; a file cut short keeps the default for the rest.
int16_t readInteger(const std::string& bytes, std::size_t at, int16_t fallback) {
    if (bytes.size() < at + 2) return fallback;
    return static_cast<int16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

void appendInteger(std::string& out, int16_t value) {
    const auto bits = static_cast<uint16_t>(value);
    out += static_cast<char>(bits & 0xFF);
    out += static_cast<char>(bits >> 8);
}

}  // namespace

bool Game::LoadGameOptions() {
    return trapErrors(platform.messages, "Game - LoadGameOptions - ", [&] {
        // Read before anything changes, so that a file that cannot be read leaves the options as they were.
        const std::string bytes =
            readDataFile((folders.options / kFileName).string()).value_or(std::string());
        SoundEffects = readInteger(bytes, 0, -1);
        Music = readInteger(bytes, 2, -1);
        return true;
    });
}

bool Game::SaveGameOptions() {
    return trapErrors(platform.messages, "Game - SaveGameOptions - ", [&] {
        std::string block;
        appendInteger(block, SoundEffects);
        appendInteger(block, Music);
        overwriteFileStart((folders.options / kFileName).string(), block);
        return true;
    });
}

}  // namespace vorn

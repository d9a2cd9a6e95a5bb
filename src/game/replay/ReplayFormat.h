// The replay file: little-endian, versioned, closed by a CRC-32 of everything before it, so a
// damaged or foreign file is recognised before anything is played. docs/replay-format.md
// describes it byte by byte.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "game/replay/Replay.h"

namespace vorn {

inline constexpr char kReplayMagic[4] = {'V', 'R', 'E', 'P'};
inline constexpr uint16_t kReplayFormatVersion = 1;

// Why bytes are not a replay this game can read, in one line for the player.
class ReplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string encodeReplay(const Replay& replay);
// The CRC-32 that closes a replay file, of every byte before it.
uint32_t replayCheckSum(std::string_view body);
// Throws ReplayError with the reason when the bytes are not a whole, sound replay.
Replay decodeReplay(std::string_view bytes);

}  // namespace vorn

#include "game/replay/Replay.h"

namespace vorn {

uint16_t playKeysOf(const uint8_t keyState[256]) {
    uint16_t bits = 0;
    for (std::size_t k = 0; k < kPlayKeys.size(); ++k)
        if (keyState[kPlayKeys[k]] & 0x80) bits = static_cast<uint16_t>(bits | 1u << k);
    return bits;
}

void setPlayKeys(uint16_t keys, uint8_t keyState[256]) {
    for (int code = 0; code < 256; ++code) keyState[code] = 0;
    for (std::size_t k = 0; k < kPlayKeys.size(); ++k)
        if (keys & 1u << k) keyState[kPlayKeys[k]] = 0x80;
}

const char* endName(GameEnd end) {
    switch (end) {
        case GameEnd::GameOver:
            return "lost";
        case GameEnd::Won:
            return "won";
        case GameEnd::Left:
            return "left for the title screen";
        case GameEnd::Restarted:
            return "restarted";
        case GameEnd::Closed:
            return "ended with the program";
    }
    return "unknown";
}

}  // namespace vorn

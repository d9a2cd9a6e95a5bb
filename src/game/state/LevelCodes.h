// The characters of a level grid and the codes the game keeps for them: platforms 0 to 4 (one
// per style), items 10 to 16, and 255 for an empty cell. Header-only, so the picture tools can
// lay out their mock play screens the way the game does.
#pragma once

#include <cstdint>

namespace vorn {

inline constexpr uint8_t kEmptyCell = 255;
inline constexpr int kInvalidCellCode = -1;

constexpr int levelCode(char ch) {
    switch (ch) {
        case 'G':
            return 0;  // ordinary
        case 'S':
            return 1;  // thin
        case 'M':
            return 2;  // ordinary
        case 'B':
            return 3;  // bouncing
        case 'I':
            return 4;  // icy
        case '^':
            return 10;  // high jump
        case '>':
            return 11;  // extra speed
        case '!':
            return 12;  // invulnerability
        case '$':
            return 13;  // crystal
        case '*':
            return 14;  // ball blaster
        case 'L':
            return 15;  // extra health
        case 'C':
            return 16;  // Dovi
        case ' ':
            return kEmptyCell;
        default:
            return kInvalidCellCode;
    }
}

}  // namespace vorn

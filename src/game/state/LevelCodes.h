// The characters of a level grid and the codes the game keeps for them: the platform kinds 0 to
// 4, the item kinds 10 to 16, and 255 for an empty cell. Header-only, so the picture tools can
// lay out their mock play screens the way the game does.
#pragma once

#include <cstdint>

namespace vorn {

// The platform kinds, in the order of their bands in "Platform.bmp".
enum PlatformKind : uint8_t {
    kPlatformGrass = 0,   // 'G': ordinary
    kPlatformThin = 1,    // 'S': 4 pixels high; the character runs slowly on it and cannot jump from it
    kPlatformStone = 2,   // 'M': ordinary
    kPlatformBouncy = 3,  // 'B': throws what lands on it back up
    kPlatformIcy = 4,     // 'I': little friction and acceleration
};
inline constexpr int kPlatformKinds = 5;

enum ItemKind : uint8_t {
    kItemHighJump = 10,         // '^'
    kItemExtraSpeed = 11,       // '>'
    kItemInvulnerability = 12,  // '!'
    kItemCrystal = 13,          // '$': a level without Dovi is cleared by taking every crystal
    kItemBallBlaster = 14,      // '*': lets the character shoot
    kItemExtraHealth = 15,      // 'L'
    kItemDovi = 16,             // 'C': reaching Dovi clears the level and wins the game
};

inline constexpr uint8_t kEmptyCell = 255;
inline constexpr int kInvalidCellCode = -1;

constexpr bool isPlatformCode(int code) { return code >= kPlatformGrass && code < kPlatformKinds; }
constexpr bool isItemCode(int code) { return code >= kItemHighJump && code <= kItemDovi; }

constexpr int levelCode(char ch) {
    switch (ch) {
        case 'G':
            return kPlatformGrass;
        case 'S':
            return kPlatformThin;
        case 'M':
            return kPlatformStone;
        case 'B':
            return kPlatformBouncy;
        case 'I':
            return kPlatformIcy;
        case '^':
            return kItemHighJump;
        case '>':
            return kItemExtraSpeed;
        case '!':
            return kItemInvulnerability;
        case '$':
            return kItemCrystal;
        case '*':
            return kItemBallBlaster;
        case 'L':
            return kItemExtraHealth;
        case 'C':
            return kItemDovi;
        case ' ':
            return kEmptyCell;
        default:
            return kInvalidCellCode;
    }
}

}  // namespace vorn

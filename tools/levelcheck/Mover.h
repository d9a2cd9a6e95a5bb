// What the reach search needs of a level: put the character somewhere, hold keys for one
// frame, and say which items it touched. The level checker's one implementation runs the
// game's own movement code on a laid-out level.
#pragma once

#include <bitset>
#include <cstdint>

namespace vorn::levelcheck {

inline constexpr int kItemSlots = 100;
using ItemSet = std::bitset<kItemSlots>;

// Keys held in one frame, as bits.
enum HeldKey : uint8_t { kHoldLeft = 1, kHoldRight = 2, kHoldJump = 4, kHoldDown = 8 };

// Everything about the character that carries from one frame to the next and moves it.
struct Body {
    float x = 0, y = 0, velX = 0, velY = 0;
    int16_t inAir = 0;
    int16_t highJumps = 0;
    int16_t speedTime = 0;
};

class Mover {
public:
    virtual ~Mover() = default;
    virtual int itemCount() const = 0;
    virtual int16_t itemKind(int k) const = 0;
    // Puts the character in `body` with every item in place except those in `gone`.
    virtual void place(const Body& body, const ItemSet& gone) = 0;
    // One frame with `keys` held; the items touched in it.
    virtual ItemSet step(uint8_t keys) = 0;
    virtual Body body() const = 0;
    // The kind of platform the character stands on, 255 for none (as the game's own query).
    virtual int16_t surface() const = 0;
};

}  // namespace vorn::levelcheck

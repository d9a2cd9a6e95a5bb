// The game's seventeen sound effects: each file's name, the quality the game asks for it in,
// and the recipe that draws it. Low quality is 8000 Hz 8-bit, high 22050 Hz 16-bit.
#pragma once

#include <array>

#include "Track.h"

namespace vorn::sounds {

inline constexpr int kLowRate = 8000;
inline constexpr int kHighRate = 22050;

struct SoundRecipe {
    const char* file;
    bool highQuality;
    Track (*draw)(int rate);
};

const std::array<SoundRecipe, 17>& soundSet();

// Things happening in play (PlaySounds.cpp).
Track shoot(int rate);
Track boing(int rate);
Track hit(int rate);
Track bombHit(int rate);
Track hitBomb(int rate);
Track explosion(int rate);
Track teleport(int rate);
Track jump(int rate);

// Picking things up (PickupSounds.cpp).
Track powerup(int rate);
Track crystal(int rate);
Track extraHealth(int rate);
Track speed(int rate);
Track hyperJump(int rate);
Track ballBlaster(int rate);
Track invulnerability(int rate);

// The tunes around a level and a game (Jingles.cpp).
Track getReady(int rate);
Track gameOver(int rate);

}  // namespace vorn::sounds

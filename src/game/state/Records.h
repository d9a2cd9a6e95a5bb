// The records of the world: platforms, items, shots, bombs, particle systems, high scores.
#pragma once

#include <cstdint>
#include <string>

#include "core/Geometry.h"
#include "platform/Surface.h"

namespace vorn {

struct PlatformRec {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int16_t Kind = 0;  // a PlatformKind
};

struct ItemRec {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    float Frame = 0;
    int16_t Kind = 0;  // an ItemKind

    // A picked-up item goes just past the right side of the screen, where the character's hit
    // rectangle never reaches, so it is not taken twice.
    void markTaken() {
        Left = kScreenWidth;
        Right = kScreenWidth + kItemWidth;
    }
    bool taken() const { return Left >= kScreenWidth; }
};

struct ShotRec {
    bool Active = false;
    int16_t X = 0, Y = 0;
    float Frame = 0;
    int16_t Direction = 0;  // as CharFacing
    float VelX = 0;
};

struct BombRec {
    int16_t FlashTime = 0;
    bool Hot = false;
    int16_t Hits = 0;
    bool Dead = false;
    float VelX = 0, VelY = 0;
    float X = 0, Y = 0;
    int16_t Delay = 0;
    float Frame = 0;
    int16_t Direction = 0;  // 1 rolling right, 0 rolling left
    bool Leaving = false;
};

struct Particle {
    float X = 0, Y = 0, VelX = 0, VelY = 0;
};

// An effect breaks its picture into at most this many pieces across and down.
inline constexpr int kMaxPiecesAcross = 20;

struct ParticleSystem {
    float Gravity = 0;
    const Surface* Picture = nullptr;  // one of the game's own surfaces, which outlive every effect
    int16_t PieceWidth = 0, PieceHeight = 0;
    int16_t CountX = 0, CountY = 0;
    bool Active = false;
    int16_t Age = 0, Life = 0;
    float OriginX = 0, OriginY = 0;
    Particle Particles[kMaxPiecesAcross][kMaxPiecesAcross];
};

inline constexpr int kHighScoreNameLength = 20;

struct HighScoreEntry {
    std::string Name = std::string(kHighScoreNameLength, ' ');  // exactly 20 characters
    int16_t Score = 0;
    bool operator==(const HighScoreEntry&) const = default;
};

}  // namespace vorn

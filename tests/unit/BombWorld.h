// A game in play on an empty level, for the bomb, shot and effect tests: they place platforms
// on grid cells as a level would, and set bombs, shots and the character directly.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/state/Game.h"
#include "support/PlayFixture.h"

namespace vorn::test {

class BombWorld : public ::testing::Test {
protected:
    BombWorld() {
        if (!play.startLevel(1, PlayFixture::emptyGrid()))
            throw std::runtime_error("the empty level did not start");
        play.clearBombs();
        game.Health = 7;
        game.Score = 0;
        game.ShotDelay = 0;
        game.Rng.seed(12345);
        // The character stands out of everyone's way unless a test moves it.
        game.CharX = 380.0f;
        game.CharY = -200.0f;
        host.sound.played.clear();
    }

    // A platform on a grid cell, as a level lays it out: 30 pixels wide, centred in the cell.
    const PlatformRec& addPlatform(int row, int column, int16_t kind) {
        PlatformRec& p = game.Platforms[game.PlatformCount++];
        p.Kind = kind;
        p.Left = column * 50 + 10;
        p.Right = column * 50 + 40;
        p.Top = row * 20 + (kind == 1 ? 13 : 2);
        p.Bottom = row * 20 + 17;
        return p;
    }

    // A moving bomb, already past its waiting time.
    BombRec& placeBomb(int i, float x, float y, float velX, float velY = 0.0f) {
        game.BombCount = static_cast<int16_t>(std::max<int>(game.BombCount, i + 1));
        BombRec& b = game.Bombs[i];
        b = BombRec{};
        b.X = x;
        b.Y = y;
        b.VelX = velX;
        b.VelY = velY;
        b.Direction = velX > 0.0f ? 1 : 0;
        return b;
    }

    ShotRec& placeShot(int j, int16_t x, int16_t y, float velX) {
        ShotRec& s = game.Shots[j];
        s = ShotRec{};
        s.Active = true;
        s.X = x;
        s.Y = y;
        s.VelX = velX;
        s.Direction = velX > 0.0f ? 1 : 0;
        return s;
    }

    int activeEffects() const {
        return static_cast<int>(std::count_if(std::begin(game.ParticleSystems),
                                              std::end(game.ParticleSystems),
                                              [](const ParticleSystem& s) { return s.Active; }));
    }
    int activeShots() const {
        return static_cast<int>(std::count_if(std::begin(game.Shots), std::end(game.Shots),
                                              [](const ShotRec& s) { return s.Active; }));
    }
    const std::vector<std::string>& played() const { return host.sound.played; }

    PlayFixture play;
    Game& game = play.game;
    HeadlessPlatform& host = play.host;
};

}  // namespace vorn::test

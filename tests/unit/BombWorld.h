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
        if (!play.startBare(PlayFixture::emptyGrid()))
            throw std::runtime_error("the empty level did not start");
        game.Score = 0;
        game.ShotDelay = 0;
        game.Rng.seed(12345);
        // The character stands out of everyone's way unless a test moves it.
        game.CharX = 380.0f;
        game.CharY = -200.0f;
    }

    // A platform on a grid cell, as a level lays it out: 30 pixels wide, centred in the cell.
    const PlatformRec& addPlatform(int row, int column, int16_t kind) {
        PlatformRec& p = game.Platforms[game.PlatformCount++];
        p = PlatformRec{column * 50 + 10, row * 20 + (kind == 1 ? 13 : 2), column * 50 + 40, row * 20 + 17,
                        kind};
        return p;
    }

    // A moving bomb, already past its waiting time.
    BombRec& placeBomb(int i, float x, float y, float velX, float velY = 0.0f) {
        game.BombCount = static_cast<int16_t>(std::max<int>(game.BombCount, i + 1));
        return game.Bombs[i] = BombRec{.VelX = velX, .VelY = velY, .X = x, .Y = y};
    }
    ShotRec& placeShot(int j, int16_t x, int16_t y, float velX) {
        return game.Shots[j] = ShotRec{.Active = true, .X = x, .Y = y, .VelX = velX};
    }

    int activeEffects() const {
        return static_cast<int>(std::ranges::count_if(game.ParticleSystems, isActive));
    }
    int activeShots() const { return static_cast<int>(std::ranges::count_if(game.Shots, isActive)); }
    std::vector<std::string>& played() { return host.sound.played; }

    PlayFixture play;
    Game& game = play.game;
    HeadlessPlatform& host = play.host;

private:
    static constexpr auto isActive = [](const auto& s) { return s.Active; };
};

}  // namespace vorn::test

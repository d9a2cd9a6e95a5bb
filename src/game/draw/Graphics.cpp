// The nineteen pictures that LoadGraphics loads; "Loading.bmp" is loaded before them by
// Initialize, so that it shows while these load.
#include <algorithm>

#include "core/Error.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

struct BitmapFile {
    const char* name;
    SurfaceRef Game::*member;
};

constexpr BitmapFile kBitmapFiles[] = {
    {"Background.bmp", &Game::SurfBackground},
    {"GetReady.bmp", &Game::SurfGetReady},
    {"Congrat.bmp", &Game::SurfCongrat},
    {"GameOver.bmp", &Game::SurfGameOver},
    {"Title.bmp", &Game::SurfTitle},
    {"Platform.bmp", &Game::SurfPlatform},
    {"Character.bmp", &Game::SurfCharacter},
    {"Invulnerable.bmp", &Game::SurfInvulnerable},
    {"Crystal.bmp", &Game::SurfCrystal},
    {"HighJump.bmp", &Game::SurfHighJump},
    {"ExtraSpeed.bmp", &Game::SurfExtraSpeed},
    {"ExtraHealth.bmp", &Game::SurfExtraHealth},
    {"Dovi.bmp", &Game::SurfDovi},
    {"Shoot.bmp", &Game::SurfShoot},
    {"NormalBomb.bmp", &Game::SurfNormalBomb},
    {"HotBomb.bmp", &Game::SurfHotBomb},
    {"HitBomb.bmp", &Game::SurfHitBomb},
    {"AmmoBall.bmp", &Game::SurfAmmoBall},
    {"BombExit.bmp", &Game::SurfBombExit},
};

}  // namespace

bool Game::LoadGraphics() {
    return trapErrors(platform.messages, "Game - LoadGraphics - ", [&] {
        // The graphics engine has shown its own message, naming the file, for one that did not load.
        return std::ranges::all_of(kBitmapFiles, [&](const BitmapFile& file) {
            return graphics().LoadBitmap(file.name, this->*file.member);
        });
    });
}

}  // namespace vorn

#include "PictureSet.h"

#include <filesystem>
#include <iostream>

#include "Backgrounds.h"
#include "Bmp.h"
#include "Bombs.h"
#include "Hero.h"
#include "Items.h"
#include "Platforms.h"
#include "Screens.h"
#include "Shots.h"

namespace vorn::pictures {

const std::vector<PictureFile>& pictureFiles() {
    static const std::vector<PictureFile> files = {
        {"Background.bmp", makeBackgrounds, false},
        {"Loading.bmp", makeLoadingScreen, false},
        {"GetReady.bmp", makeGetReadyScreen, false},
        {"Congrat.bmp", makeCongratScreen, false},
        {"GameOver.bmp", makeGameOverScreen, false},
        {"Title.bmp", makeTitleScreen, false},
        {"Platform.bmp", makePlatforms, true},
        {"Character.bmp", makeCharacterSheet, true},
        {"Invulnerable.bmp", [] { return makeItemSheet(ItemKind::Invulnerable); }, true},
        {"Crystal.bmp", [] { return makeItemSheet(ItemKind::Crystal); }, true},
        {"HighJump.bmp", [] { return makeItemSheet(ItemKind::HighJump); }, true},
        {"ExtraSpeed.bmp", [] { return makeItemSheet(ItemKind::ExtraSpeed); }, true},
        {"ExtraHealth.bmp", [] { return makeItemSheet(ItemKind::ExtraHealth); }, true},
        {"Dovi.bmp", [] { return makeItemSheet(ItemKind::Dovi); }, true},
        {"Shoot.bmp", [] { return makeItemSheet(ItemKind::Shoot); }, true},
        {"NormalBomb.bmp", [] { return makeBombSheet(BombLook::Normal); }, true},
        {"HotBomb.bmp", [] { return makeBombSheet(BombLook::Hot); }, true},
        {"HitBomb.bmp", [] { return makeBombSheet(BombLook::Hit); }, true},
        {"AmmoBall.bmp", makeAmmoBallSheet, true},
        {"BombExit.bmp", makeBombExit, true},
    };
    return files;
}

bool writePictures(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const PictureFile& file : pictureFiles()) {
        const std::string path = (std::filesystem::path(folder) / file.name).string();
        if (!writeBmp(path, file.make())) {
            std::cerr << "vorn-pictures: cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace vorn::pictures

#include "support/GameFiles.h"

#include <SDL.h>

#include <fstream>
#include <iterator>

#include "support/DataDir.h"
#include "support/Paths.h"

namespace vorn::test {

const std::vector<std::string> kBitmapNames = {
    "Loading.bmp",    "Background.bmp", "GetReady.bmp",    "Congrat.bmp",      "GameOver.bmp",
    "Title.bmp",      "Platform.bmp",   "Character.bmp",   "Invulnerable.bmp", "Crystal.bmp",
    "HighJump.bmp",   "ExtraSpeed.bmp", "ExtraHealth.bmp", "Dovi.bmp",         "Shoot.bmp",
    "NormalBomb.bmp", "HotBomb.bmp",    "HitBomb.bmp",     "AmmoBall.bmp",     "BombExit.bmp"};

const std::vector<std::string> kSoundNames = {
    "Shoot.wav",       "Boing.wav",          "GetReady.wav",    "GameOver.wav", "Hit.wav",
    "Powerup.wav",     "Crystal.wav",        "BombHit.wav",     "HitBomb.wav",  "Explosion.wav",
    "Teleport.wav",    "Jump.wav",           "ExtraHealth.wav", "Speed.wav",    "HyperJump.wav",
    "BallBlaster.wav", "Invulnerability.wav"};

std::string waveBytes() {
    // The shortest of the game's own sounds.
    std::ifstream in(binDir() + "/Hit.wav", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string gridLine(const std::string& cells, char frame) { return frame + cells + frame; }

std::string separatorLine() { return std::string(18, 'X'); }

std::string levelsText(const std::vector<LevelRows>& levels, const std::string& lineEnd) {
    std::string out = separatorLine() + lineEnd;
    for (const LevelRows& level : levels) {
        for (const std::string& row : level.rows) out += gridLine(row) + lineEnd;
        out += separatorLine() + lineEnd;
    }
    return out;
}

std::string levelNamesText(int count) {
    std::string out;
    for (int i = 1; i <= count; ++i) out += "Level " + std::to_string(i) + "\r\n";
    return out;
}

void writeGameFiles(const DataDir& dir) {
    // Plain green 24-bit bitmaps, written with SDL.
    SDL_Surface* green = SDL_CreateRGBSurfaceWithFormat(0, 40, 36, 24, SDL_PIXELFORMAT_BGR24);
    SDL_FillRect(green, nullptr, SDL_MapRGB(green->format, 0, 128, 0));
    for (const std::string& name : kBitmapNames) SDL_SaveBMP(green, dir.file(name).c_str());
    SDL_FreeSurface(green);
    for (const std::string& name : kSoundNames) dir.write(name, waveBytes());
    LevelRows level;
    level.rows[29] = "GGGGGGGGGGGGGGGG";
    level.rows[20] = "  MMMM  $  BBB  ";
    dir.write("Levels.txt", levelsText(std::vector<LevelRows>(5, level)));
    dir.write("LevelNames.txt", levelNamesText(5));
}

}  // namespace vorn::test

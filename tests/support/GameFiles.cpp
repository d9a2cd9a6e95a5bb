#include "support/GameFiles.h"

#include "support/DataDir.h"

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

namespace {

void put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::string bitmapBytes(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * height);
    std::string out = "BM";
    put32(out, 54 + pixelBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, pixelBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out += static_cast<char>(b);
            out += static_cast<char>(g);
            out += static_cast<char>(r);
        }
        out.append(static_cast<size_t>(rowBytes - width * 3), '\0');
    }
    return out;
}

std::string waveBytes() {
    const uint32_t samples = 400;
    std::string out = "RIFF";
    put32(out, 36 + samples);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, 8000);
    put32(out, 8000);
    put16(out, 1);
    put16(out, 8);
    out += "data";
    put32(out, samples);
    for (uint32_t i = 0; i < samples; ++i) out += static_cast<char>(i % 16 < 8 ? 0x60 : 0xA0);
    return out;
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
    for (const std::string& name : kBitmapNames) dir.write(name, bitmapBytes(40, 36, 0, 128, 0));
    for (const std::string& name : kSoundNames) dir.write(name, waveBytes());
    LevelRows level;
    level.rows[29] = "GGGGGGGGGGGGGGGG";
    level.rows[20] = "  MMMM  $  BBB  ";
    dir.write("Levels.txt", levelsText(std::vector<LevelRows>(5, level)));
    dir.write("LevelNames.txt", levelNamesText(5));
}

}  // namespace vorn::test

// vorn-sounds FOLDER: draws the game's seventeen sound effects and writes them into FOLDER.
// Every run writes the same bytes on any machine, so the files never need to be kept anywhere.
#include <exception>
#include <filesystem>
#include <iostream>

#include "SoundSet.h"
#include "WaveFile.h"

namespace {

// Every effect sits at the same loudness, about 16 dB below full scale, with room for its peaks.
constexpr double kTargetRms = 0.158;
constexpr double kPeakLimit = 0.89;

}  // namespace

int main(int argc, char** argv) {
    using namespace vorn::sounds;
    if (argc != 2) {
        std::cerr << "usage: vorn-sounds FOLDER\n";
        return 2;
    }
    std::filesystem::path folder = argv[1];
    const char* current = "";
    try {
        std::filesystem::create_directories(folder);
        for (const SoundRecipe& recipe : soundSet()) {
            current = recipe.file;
            int rate = recipe.highQuality ? kHighRate : kLowRate;
            Track track = recipe.draw(rate);
            writeWave(folder / recipe.file, track.finish(kTargetRms, kPeakLimit), rate,
                      recipe.highQuality ? 16 : 8);
        }
    } catch (const std::exception& e) {
        std::cerr << "vorn-sounds: " << current << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}

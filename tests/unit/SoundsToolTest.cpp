// The sound generator as the build runs it: the same bytes on every run, every file loadable
// by the game's sound device, and a failure reported when it cannot write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace {

const char* const kFiles[] = {
    "Shoot.wav",       "Boing.wav",          "GetReady.wav",    "GameOver.wav", "Hit.wav",
    "Powerup.wav",     "Crystal.wav",        "BombHit.wav",     "HitBomb.wav",  "Explosion.wav",
    "Teleport.wav",    "Jump.wav",           "ExtraHealth.wav", "Speed.wav",    "HyperJump.wav",
    "BallBlaster.wav", "Invulnerability.wav"};
const bool kHighQuality[] = {false, false, true,  false, false, false, false, false, false,
                             false, false, false, true,  true,  true,  true,  true};

int runGenerator(const fs::path& folder) {
    std::string command = "'" + vorn::test::binDir() + "/vorn-sounds' '" + folder.string() + "' 2>/dev/null";
    return std::system(command.c_str());
}

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(SoundGenerator, WritesTheSameSeventeenFilesEveryRun) {
    vorn::test::DataDir first(true);
    vorn::test::DataDir second(true);
    ASSERT_EQ(runGenerator(first.path()), 0);
    ASSERT_EQ(runGenerator(second.path() / "made" / "here"), 0) << "it makes the folder it is given";

    int written = 0;
    for (const auto& entry : fs::directory_iterator(first.path()))
        written += entry.path().extension() == ".wav";
    EXPECT_EQ(written, 17);

    for (const char* name : kFiles) {
        SCOPED_TRACE(name);
        std::string bytes = slurp(first.file(name));
        ASSERT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == slurp(second.path() / "made" / "here" / name));
        // The copy the build put beside the program is the same sound too.
        EXPECT_TRUE(bytes == slurp(fs::path(vorn::test::binDir()) / name));
    }
}

TEST(SoundGenerator, FailsWhenItCannotWrite) {
    vorn::test::DataDir dir(true);
    dir.write("not-a-folder", "x");
    EXPECT_NE(runGenerator(dir.file("not-a-folder")), 0);
    EXPECT_NE(runGenerator(dir.file("not-a-folder") / "below"), 0);
}

TEST(SoundFiles, EveryOneLoadsOnTheGamesSoundDevice) {
    vorn::HeadlessSound device;
    for (size_t i = 0; i < std::size(kFiles); ++i) {
        SCOPED_TRACE(kFiles[i]);
        EXPECT_NO_THROW(device.load(vorn::test::binDir() + "/" + kFiles[i], kHighQuality[i]));
    }
    // The device really decodes: a file cut short after its header must fail there too.
    vorn::test::DataDir dir(true);
    dir.write("Cut.wav", slurp(fs::path(vorn::test::binDir()) / "Jump.wav").substr(0, 30));
    EXPECT_ANY_THROW(device.load(dir.file("Cut.wav").string(), false));
}

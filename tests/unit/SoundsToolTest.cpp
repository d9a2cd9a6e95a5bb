// The sound generator as the build runs it: the same bytes on every run as beside the program,
// and a failure reported when it cannot write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace {

int runGenerator(const fs::path& folder) {
    const std::string command =
        "'" + vorn::test::binDir() + "/vorn-sounds' '" + folder.string() + "' 2>/dev/null";
    return std::system(command.c_str());
}

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(SoundGenerator, EveryRunWritesTheSameSeventeenFilesAsTheBuildDidAndFailsWhereItCannotWrite) {
    vorn::test::DataDir first(true), second(true);
    ASSERT_EQ(runGenerator(first.path()), 0);
    ASSERT_EQ(runGenerator(second.path() / "made" / "here"), 0) << "it makes the folder it is given";
    int written = 0;
    for (const auto& entry : fs::directory_iterator(first.path())) {
        const std::string name = entry.path().filename().string(), bytes = slurp(entry.path());
        written += entry.path().extension() == ".wav";
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == slurp(second.path() / "made" / "here" / name))
            << name << " differs between runs";
        EXPECT_TRUE(bytes == slurp(fs::path(vorn::test::binDir()) / name))
            << name << " differs from the build's";
    }
    EXPECT_EQ(written, 17);

    first.write("not-a-folder", "x");
    EXPECT_NE(runGenerator(first.file("not-a-folder") / "below"), 0);
}

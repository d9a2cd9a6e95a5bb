// The program's folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ProcessInfo.h"
#include "support/Paths.h"

namespace vorn {
namespace {

TEST(PlatformProcess, TheProgramFolderIsTheExecutablesAndBecomesCurrent) {
    namespace fs = std::filesystem;
    // The tests run from the build's program folder, beside the game.
    EXPECT_TRUE(fs::equivalent(programFolder(), test::binDir())) << programFolder();
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    enterProgramFolder();
    EXPECT_TRUE(fs::equivalent(fs::current_path(), test::binDir()));
    fs::current_path(before);
}

}  // namespace
}  // namespace vorn

// Every fuzz target's seeds and every input that once broke it, through the target's own
// property check, so that a fault the fuzzer found never comes back unnoticed.
#include <gtest/gtest.h>

#include <filesystem>

#include "FuzzTarget.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

TEST(FuzzRegression, EverySeedAndEveryInputThatBrokeATargetKeepsItsProperties) {
    ASSERT_FALSE(fuzz::targets().empty());
    for (const fuzz::Target& target : fuzz::targets()) {
        const fs::path folder = fs::path(test::sourceDir()) / "tests" / "fuzz" / target.name;
        ASSERT_TRUE(fs::is_directory(folder / "seeds")) << target.name << " has no seeds";
        int inputs = 0;
        for (const char* kind : {"seeds", "regressions"}) {
            if (!fs::is_directory(folder / kind)) continue;
            for (const auto& entry : fs::directory_iterator(folder / kind)) {
                const std::string input = fuzz::readFile(entry.path());
                test::DataDir dir(true);
                try {
                    target.check(input);
                } catch (const std::exception& e) {
                    ADD_FAILURE() << target.name << " " << kind << "/" << entry.path().filename().string()
                                  << ": " << e.what();
                }
                ++inputs;
            }
        }
        EXPECT_GT(inputs, 0) << target.name;
    }
}

}  // namespace
}  // namespace vorn

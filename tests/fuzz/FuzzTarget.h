// A fuzz target: a property check for one input the game reads. The check writes the input as
// the game's file into the current folder, runs the game's own reader on it and throws
// PropertyFailure when the result breaks a rule of the format. The same checks run under
// libFuzzer (FuzzMain.cpp) and, for every seed and every input that once broke them, in the
// unit tests.
//
// A new target is one file, tests/fuzz/NameFuzz.cpp, that ends with
//   VORN_FUZZ_TARGET("name", checkName);
// and one line in tests/fuzz/CMakeLists.txt; its seeds go to tests/fuzz/name/seeds.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::fuzz {

class PropertyFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws PropertyFailure(what) unless the property holds.
void require(bool holds, const std::string& what);

using Check = void (*)(std::string_view input);

struct Target {
    std::string name;  // lower case: the folder of its seeds and the name scripts/fuzz.sh prints
    Check check;
};

// Called once per target at start-up by VORN_FUZZ_TARGET; the answer only lets it be a static.
bool registerTarget(const char* name, Check check);
// Every target linked in: exactly one in a fuzz program, all of them in the unit tests.
const std::vector<Target>& targets();

// The current folder's files, by bare name as the game opens them.
void writeFile(const std::string& name, std::string_view bytes);
std::string readFile(const std::string& name);
void removeFile(const std::string& name);
// The names of everything in the current folder, sorted.
std::vector<std::string> folderEntries();

}  // namespace vorn::fuzz

#define VORN_FUZZ_TARGET(name, check) \
    [[maybe_unused]] static const bool vornFuzzRegistered_##check = ::vorn::fuzz::registerTarget(name, check)

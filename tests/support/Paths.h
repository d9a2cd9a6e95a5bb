// Where the build put the program with its data, and where the sources are.
#pragma once

#include <string>

namespace vorn::test {

inline std::string binDir() { return VORN_BIN_DIR; }        // vorn, vorn-sim and every data file
inline std::string sourceDir() { return VORN_SOURCE_DIR; }  // the repository

}  // namespace vorn::test

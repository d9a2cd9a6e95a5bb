// The game's version, "1.0": set once, by the project's version in CMakeLists.txt.
#pragma once

namespace vorn {

const char* gameVersion();

}  // namespace vorn

// Every sound device, real or recording, refuses the same files: a missing one, or one that
// does not decode as a wave file.
#pragma once

#include <string>

namespace vorn {

// Throws VornError with the description the player sees after "VBSE - LoadSound - ".
void checkWaveFile(const std::string& path);

}  // namespace vorn

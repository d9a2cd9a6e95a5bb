// The game's two small data files, read whole, and saved so that a crash, a power cut or a
// full disk in the middle of a save leaves the old file whole: the new bytes go to a
// temporary file beside it, reach the disk, and only then take the old file's name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The bytes of the file, or nothing when there is no ordinary file of that name.
// Throws VornError when the file is there but cannot be read.
std::optional<std::string> readDataFile(const std::string& name);

// Writes head over the start of the file, which is created when missing, and so are the
// folders on its way; the bytes of an older, longer file past head stay as they were.
// Throws VornError when it cannot, and the old file is then untouched.
void overwriteFileStart(const std::string& name, std::string_view head);

// The same for a whole file: afterwards it holds exactly `content`.
void replaceFile(const std::string& name, std::string_view content);

}  // namespace vorn

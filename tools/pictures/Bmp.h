// Uncompressed 24-bit Windows bitmap files: the form every picture of the game ships in.
#pragma once

#include <optional>
#include <string>

#include "Picture.h"

namespace vorn::pictures {

// Writes the picture bottom-up with rows padded to four bytes; false when the file cannot be
// written. The same picture always gives the same bytes.
[[nodiscard]] bool writeBmp(const std::string& path, const Picture& picture);

// Reads back a file of the kind writeBmp writes (24 bits, uncompressed, either row order).
std::optional<Picture> readBmp(const std::string& path);

}  // namespace vorn::pictures

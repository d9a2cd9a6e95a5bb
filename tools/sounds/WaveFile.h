// Writes mono PCM wave files: 8-bit unsigned (silence at 128) or 16-bit signed.
#pragma once

#include <filesystem>
#include <vector>

namespace vorn::sounds {

// Samples are -1..1. Throws std::runtime_error when the file can't be written.
void writeWave(const std::filesystem::path& file, const std::vector<float>& samples, int rate, int bits);

}  // namespace vorn::sounds

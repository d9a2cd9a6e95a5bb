#include "WaveFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

#include "PortableMath.h"

namespace vorn::sounds {

namespace {

void put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

void writeWave(const std::filesystem::path& file, const std::vector<float>& samples, int rate, int bits) {
    std::string data;
    for (float s : samples) {
        double x = std::clamp(static_cast<double>(s), -1.0, 1.0);
        if (bits == 8) {
            data += static_cast<char>(std::clamp(128L + roundHalfAway(x * 127.0), 0L, 255L));
        } else {
            put16(data, static_cast<uint16_t>(static_cast<int16_t>(roundHalfAway(x * 32767.0))));
        }
    }
    // A chunk of odd size would need a pad byte; one more silent sample does the same job.
    if (data.size() % 2 != 0) data += static_cast<char>(128);

    auto blockAlign = static_cast<uint32_t>(bits / 8);
    std::string out = "RIFF";
    put32(out, static_cast<uint32_t>(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, static_cast<uint32_t>(rate));
    put32(out, static_cast<uint32_t>(rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, static_cast<uint32_t>(bits));
    out += "data";
    put32(out, static_cast<uint32_t>(data.size()));
    out += data;

    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!stream) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace vorn::sounds

// The seventeen wave files the build draws: their headers as the sound device is asked for
// them, and how they sound as far as numbers can tell (level, clipping, clicks).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/Headless.h"
#include "support/Paths.h"

namespace {

// In the order the game loads them; the sounds that play often or briefly are 8000 Hz 8-bit,
// the longer and brighter ones 22050 Hz 16-bit.
const std::pair<const char*, bool> kSounds[] = {
    {"Shoot.wav", false},      {"Boing.wav", false},         {"GetReady.wav", true},
    {"GameOver.wav", false},   {"Hit.wav", false},           {"Powerup.wav", false},
    {"Crystal.wav", false},    {"BombHit.wav", false},       {"HitBomb.wav", false},
    {"Explosion.wav", false},  {"Teleport.wav", false},      {"Jump.wav", false},
    {"ExtraHealth.wav", true}, {"Speed.wav", true},          {"HyperJump.wav", true},
    {"BallBlaster.wav", true}, {"Invulnerability.wav", true}};

// A wave file taken apart chunk by chunk; samples are scaled so full scale is 1.
struct Wave {
    std::string bytes;
    uint32_t riffSize = 0, fmtSize = 0, tag = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0,
             bits = 0;
    uint32_t dataSize = 0;
    size_t dataAt = 0;
    std::vector<double> samples;

    uint32_t u16(size_t at) const {
        return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
    }
    uint32_t u32(size_t at) const { return u16(at) | u16(at + 2) << 16; }

    explicit Wave(const std::string& name) {
        std::ifstream in(vorn::test::binDir() + "/" + name, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return;
        riffSize = u32(4);
        for (size_t at = 12; at + 8 <= bytes.size(); at += 8 + u32(at + 4) + u32(at + 4) % 2) {
            if (bytes.compare(at, 4, "fmt ") == 0 && at + 24 <= bytes.size()) {
                fmtSize = u32(at + 4);
                tag = u16(at + 8), channels = u16(at + 10), rate = u32(at + 12), byteRate = u32(at + 16);
                blockAlign = u16(at + 20), bits = u16(at + 22);
            } else if (bytes.compare(at, 4, "data") == 0) {
                dataSize = u32(at + 4), dataAt = at + 8;
            }
        }
        if (dataAt == 0 || dataAt + dataSize > bytes.size()) return;
        for (size_t i = dataAt; bits == 8 && i < dataAt + dataSize; ++i)
            samples.push_back((static_cast<uint8_t>(bytes[i]) - 128) / 128.0);
        for (size_t i = dataAt; bits == 16 && i + 1 < dataAt + dataSize; i += 2)
            samples.push_back(static_cast<int16_t>(u16(i)) / 32768.0);
    }
};

// Level of the 10 ms slices within 20 dB of the loudest one, in dB below full scale.
double activeLevelDb(const Wave& w) {
    const size_t slice = w.rate / 100;
    std::vector<double> powers;
    for (size_t start = 0; start + slice <= w.samples.size(); start += slice) {
        double sum = 0.0;
        for (size_t i = start; i < start + slice; ++i) sum += w.samples[i] * w.samples[i];
        powers.push_back(sum / slice);
    }
    if (powers.empty()) return -200.0;
    const double loudest = *std::max_element(powers.begin(), powers.end());
    double sum = 0.0;
    int counted = 0;
    for (double p : powers)
        if (p >= loudest / 100.0) sum += p, ++counted;
    return 10.0 * std::log10(sum / counted + 1e-20);
}

}  // namespace

TEST(SoundFiles, EachIsMonoPcmInTheFormatTheGameAsksForAndLoadsOnItsDevice) {
    vorn::HeadlessSound device;
    std::set<std::string> distinctData;
    for (const auto& [name, highQuality] : kSounds) {
        SCOPED_TRACE(name);
        const Wave w(name);
        const uint32_t rate = highQuality ? 22050 : 8000, bits = highQuality ? 16 : 8;
        ASSERT_NE(w.dataAt, 0u) << "missing, truncated or without a data chunk";
        EXPECT_EQ(w.riffSize + 8, w.bytes.size());
        EXPECT_EQ(w.fmtSize, 16u);
        EXPECT_EQ(w.tag, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.rate, rate);
        EXPECT_EQ(w.bits, bits);
        EXPECT_EQ(w.blockAlign, bits / 8);
        EXPECT_EQ(w.byteRate, rate * bits / 8);
        EXPECT_EQ(w.dataAt + w.dataSize + w.dataSize % 2, w.bytes.size());
        EXPECT_EQ(w.dataSize % (bits / 8), 0u);
        EXPECT_NO_THROW(device.load(vorn::test::binDir() + "/" + name, highQuality));
        // Two events sharing one sound would mean a recipe went to the wrong file.
        EXPECT_TRUE(distinctData.insert(w.bytes.substr(w.dataAt)).second) << "same sound as another file";
    }
}

TEST(SoundFiles, AreEquallyLoudNeverClipAndStartAndEndWithoutClicks) {
    std::pair<double, std::string> quietest{0.0, ""}, loudest{-200.0, ""};
    for (const auto& [name, highQuality] : kSounds) {
        SCOPED_TRACE(name);
        const Wave w(name);
        const size_t edge = w.rate / 200;  // 5 ms
        ASSERT_GT(w.samples.size(), 4 * edge);
        quietest = std::min(quietest, {activeLevelDb(w), name});
        loudest = std::max(loudest, {activeLevelDb(w), name});

        double peak = 0.0;
        for (double s : w.samples) peak = std::max(peak, std::fabs(s));
        EXPECT_LT(peak, 0.95) << "no headroom left";
        // The first 5 ms stay under a straight ramp from silence to full scale, so even the
        // sharpest knock fades in rather than starting on a jump; the last 5 ms are silence.
        const double slack = 1.5 / (w.bits == 8 ? 128 : 32768);
        for (size_t i = 0; i < edge; ++i)
            ASSERT_LE(std::fabs(w.samples[i]), static_cast<double>(i) / edge + slack) << "sample " << i;
        for (size_t i = w.samples.size() - edge; i < w.samples.size(); ++i)
            ASSERT_LE(std::fabs(w.samples[i]), 0.01) << "sample " << i - w.samples.size() << " from the end";
    }
    EXPECT_GT(quietest.first, -24.0) << quietest.second << " is barely audible";
    EXPECT_LE(loudest.first - quietest.first, 3.0) << quietest.second << " at " << quietest.first << " dB, "
                                                   << loudest.second << " at " << loudest.first << " dB";
}

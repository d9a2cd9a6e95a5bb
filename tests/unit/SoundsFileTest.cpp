// The seventeen wave files the build draws: their headers as the sound device is asked for
// them, and how they sound as far as numbers can tell (level, clipping, clicks, length).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/Paths.h"

namespace {

struct SoundFile {
    const char* name;
    bool highQuality;
};

const SoundFile kSounds[] = {
    {"Shoot.wav", false},
    {"Boing.wav", false},
    {"GetReady.wav", true},
    {"GameOver.wav", false},
    {"Hit.wav", false},
    {"Powerup.wav", false},
    {"Crystal.wav", false},
    {"BombHit.wav", false},
    {"HitBomb.wav", false},
    {"Explosion.wav", false},
    {"Teleport.wav", false},
    {"Jump.wav", false},
    {"ExtraHealth.wav", true},
    {"Speed.wav", true},
    {"HyperJump.wav", true},
    {"BallBlaster.wav", true},
    {"Invulnerability.wav", true},
};

uint32_t le16(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}
uint32_t le32(const std::string& b, size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

// A wave file taken apart chunk by chunk; samples are scaled so full scale is 1.
struct Wave {
    std::string bytes;
    uint32_t riffSize = 0;
    uint32_t fmtSize = 0;
    uint32_t tag = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    uint32_t dataSize = 0;
    size_t dataAt = 0;
    std::vector<double> samples;

    double seconds() const { return static_cast<double>(samples.size()) / rate; }
    double lsb() const { return bits == 8 ? 1.0 / 128.0 : 1.0 / 32768.0; }
};

Wave readWave(const std::string& name) {
    Wave w;
    std::ifstream in(vorn::test::binDir() + "/" + name, std::ios::binary);
    w.bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (w.bytes.size() < 12 || w.bytes.compare(0, 4, "RIFF") != 0 || w.bytes.compare(8, 4, "WAVE") != 0)
        return w;
    w.riffSize = le32(w.bytes, 4);
    for (size_t at = 12; at + 8 <= w.bytes.size();) {
        std::string id = w.bytes.substr(at, 4);
        uint32_t size = le32(w.bytes, at + 4);
        if (id == "fmt " && at + 24 <= w.bytes.size()) {
            w.fmtSize = size;
            w.tag = le16(w.bytes, at + 8);
            w.channels = le16(w.bytes, at + 10);
            w.rate = le32(w.bytes, at + 12);
            w.byteRate = le32(w.bytes, at + 16);
            w.blockAlign = le16(w.bytes, at + 20);
            w.bits = le16(w.bytes, at + 22);
        } else if (id == "data") {
            w.dataSize = size;
            w.dataAt = at + 8;
        }
        at += 8 + size + (size % 2);
    }
    if (w.dataAt == 0 || w.dataAt + w.dataSize > w.bytes.size()) return w;
    if (w.bits == 8) {
        for (size_t i = 0; i < w.dataSize; ++i)
            w.samples.push_back((static_cast<uint8_t>(w.bytes[w.dataAt + i]) - 128) / 128.0);
    } else if (w.bits == 16) {
        for (size_t i = 0; i + 1 < w.dataSize; i += 2)
            w.samples.push_back(static_cast<int16_t>(le16(w.bytes, w.dataAt + i)) / 32768.0);
    }
    return w;
}

// Level of the 10 ms slices within 20 dB of the loudest one, in dB below full scale.
double activeLevelDb(const Wave& w) {
    size_t slice = w.rate / 100;
    std::vector<double> powers;
    for (size_t start = 0; start + slice <= w.samples.size(); start += slice) {
        double sum = 0.0;
        for (size_t i = start; i < start + slice; ++i) sum += w.samples[i] * w.samples[i];
        powers.push_back(sum / slice);
    }
    if (powers.empty()) return -200.0;
    double loudest = *std::max_element(powers.begin(), powers.end());
    double sum = 0.0;
    int counted = 0;
    for (double p : powers) {
        if (p >= loudest / 100.0) {
            sum += p;
            ++counted;
        }
    }
    return 10.0 * std::log10(sum / counted + 1e-20);
}

double peakOf(const Wave& w) {
    double peak = 0.0;
    for (double s : w.samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

}  // namespace

TEST(SoundFiles, EachIsMonoPcmInTheFormatTheGameAsksFor) {
    std::set<std::string> distinctData;
    for (const SoundFile& sound : kSounds) {
        SCOPED_TRACE(sound.name);
        Wave w = readWave(sound.name);
        ASSERT_GE(w.bytes.size(), 44u) << "missing or truncated";
        uint32_t rate = sound.highQuality ? 22050 : 8000;
        uint32_t bits = sound.highQuality ? 16 : 8;
        EXPECT_EQ(w.riffSize + 8, w.bytes.size());
        EXPECT_EQ(w.fmtSize, 16u);
        EXPECT_EQ(w.tag, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.rate, rate);
        EXPECT_EQ(w.bits, bits);
        EXPECT_EQ(w.blockAlign, bits / 8);
        EXPECT_EQ(w.byteRate, rate * bits / 8);
        ASSERT_NE(w.dataAt, 0u) << "no data chunk";
        EXPECT_EQ(w.dataAt + w.dataSize + w.dataSize % 2, w.bytes.size());
        EXPECT_EQ(w.dataSize % (bits / 8), 0u);
        // Two events sharing one sound would mean a recipe went to the wrong file.
        EXPECT_TRUE(distinctData.insert(w.bytes.substr(w.dataAt)).second) << "same sound as another file";
    }
}

TEST(SoundFiles, AreEquallyLoudAndNeverClip) {
    double quietest = 0.0, loudest = -200.0;
    std::string quietestName, loudestName;
    for (const SoundFile& sound : kSounds) {
        SCOPED_TRACE(sound.name);
        Wave w = readWave(sound.name);
        ASSERT_FALSE(w.samples.empty());
        double level = activeLevelDb(w);
        if (level < quietest || quietestName.empty()) quietest = level, quietestName = sound.name;
        if (level > loudest) loudest = level, loudestName = sound.name;

        // Headroom left, and not one sample pinned at the ends of the range.
        EXPECT_LT(peakOf(w), 0.95);
        size_t pinned = std::count_if(w.samples.begin(), w.samples.end(),
                                      [&](double s) { return std::fabs(s) >= 1.0 - 2 * w.lsb(); });
        EXPECT_EQ(pinned, 0u);
        // Centred on silence: an 8-bit file written as signed bytes would sit half a scale off.
        double mean = 0.0;
        for (double s : w.samples) mean += s;
        EXPECT_NEAR(mean / w.samples.size(), 0.0, 0.01);
    }
    EXPECT_GT(quietest, -24.0) << quietestName << " is barely audible";
    EXPECT_LE(loudest - quietest, 3.0)
        << loudestName << " at " << loudest << " dB, " << quietestName << " at " << quietest << " dB";
}

TEST(SoundFiles, RiseFromAndFallBackToSilenceWithoutClicks) {
    for (const SoundFile& sound : kSounds) {
        SCOPED_TRACE(sound.name);
        Wave w = readWave(sound.name);
        size_t edge = w.rate / 200;  // 5 ms
        ASSERT_GT(w.samples.size(), 4 * edge);
        double slack = 1.5 * w.lsb();
        // The first 5 ms stay under a straight ramp from silence to full scale, so even the
        // sharpest knock fades in rather than starting on a jump.
        for (size_t i = 0; i < edge; ++i)
            ASSERT_LE(std::fabs(w.samples[i]), static_cast<double>(i) / edge + slack) << "sample " << i;
        // The last 5 ms are silence: every sound has died away before its file ends.
        for (size_t i = w.samples.size() - edge; i < w.samples.size(); ++i)
            ASSERT_LE(std::fabs(w.samples[i]), 0.01) << "sample " << i - w.samples.size() << " from the end";
    }
}

TEST(SoundFiles, LastNoLongerThanTheirEvents) {
    for (const SoundFile& sound : kSounds) {
        SCOPED_TRACE(sound.name);
        Wave w = readWave(sound.name);
        std::string name = sound.name;
        bool tune = name == "GetReady.wav" || name == "GameOver.wav";
        EXPECT_GE(w.seconds(), tune ? 1.0 : 0.06);
        EXPECT_LE(w.seconds(), tune ? 2.5 : 1.25);
    }
    // A shot may follow the last one after six frames of 30 ms; the shot sound is over by then,
    // so rapid fire is heard as separate shots rather than a cut-off stutter.
    EXPECT_LE(readWave("Shoot.wav").seconds(), 0.18);
    // Hits, knocks and jumps come in quick runs and must not smear into each other.
    for (const char* quick : {"Hit.wav", "HitBomb.wav", "BombHit.wav", "Jump.wav"})
        EXPECT_LE(readWave(quick).seconds(), 0.3) << quick;
}

// Half the zero crossings a second between two moments: a rough pitch (or, for noise, brightness).
double crossingsPerSecond(const Wave& w, double from, double to) {
    auto first = static_cast<size_t>(from * w.rate), last = static_cast<size_t>(to * w.rate);
    int crossings = 0;
    for (size_t i = first + 1; i < last && i < w.samples.size(); ++i)
        crossings += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
    return crossings / (to - from) / 2.0;
}

TEST(SoundFiles, MoveInPitchTheWayTheirEventsGo) {
    struct Movement {
        const char* name;
        double early, late;  // seconds into the sound, each the start of a 40 ms stretch
        bool rises;
    };
    const Movement kMovements[] = {
        {"Shoot.wav", 0.005, 0.10, false},     // the shot flies off
        {"Jump.wav", 0.005, 0.10, true},       // up into the air
        {"Teleport.wav", 0.1, 0.8, true},      // dissolving upwards
        {"Explosion.wav", 0.02, 0.55, false},  // the blast settles into a rumble
        {"Powerup.wav", 0.005, 0.45, true},    // a climbing chime
        {"Speed.wav", 0.05, 0.45, true},       // revving up
        {"GetReady.wav", 0.02, 1.1, true},     // the fanfare climbs to its top note
        {"GameOver.wav", 0.02, 1.5, false},    // the phrase falls and comes to rest
    };
    for (const Movement& m : kMovements) {
        SCOPED_TRACE(m.name);
        Wave w = readWave(m.name);
        ASSERT_GT(w.seconds(), m.late + 0.04);
        double early = crossingsPerSecond(w, m.early, m.early + 0.04);
        double late = crossingsPerSecond(w, m.late, m.late + 0.04);
        if (m.rises)
            EXPECT_GT(late, 1.3 * early) << early << " Hz then " << late << " Hz";
        else
            EXPECT_LT(late * 1.3, early) << early << " Hz then " << late << " Hz";
    }
}

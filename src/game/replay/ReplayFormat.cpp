#include "game/replay/ReplayFormat.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "core/Windows1252.h"
#include "platform/Platform.h"

namespace vorn {

namespace {

// A game of fifty levels at a few minutes each stays far below these; they stop a damaged
// count from asking for gigabytes.
constexpr uint32_t kMaxRuns = 1u << 22;
constexpr uint32_t kMaxCommands = 1u << 16;
constexpr std::size_t kMaxVersionBytes = 32;
constexpr std::size_t kMaxNameBytes = std::size_t{4} * kHighScoreNameLength;

class Writer {
public:
    template <class T>
    void put(T value) {
        auto bits = static_cast<std::make_unsigned_t<T>>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            out += static_cast<char>(bits & 0xFF);
            bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
        }
    }
    void text(const std::string& s) {
        put(static_cast<uint8_t>(s.size()));
        out += s;
    }
    std::string out;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    template <class T>
    T get() {
        need(sizeof(T));
        std::make_unsigned_t<T> bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bits = static_cast<std::make_unsigned_t<T>>(
                bits | static_cast<std::make_unsigned_t<T>>(static_cast<uint8_t>(bytes_[at_ + i]))
                           << (8 * i));
        at_ += sizeof(T);
        return static_cast<T>(bits);
    }
    std::string text(std::size_t limit, const char* what) {
        const auto size = get<uint8_t>();
        if (size > limit) damaged(std::string(what) + " is too long");
        need(size);
        std::string s(bytes_.substr(at_, size));
        at_ += size;
        return s;
    }
    std::size_t left() const { return bytes_.size() - at_; }

    [[noreturn]] static void damaged(const std::string& why) {
        throw ReplayError("the replay file is damaged (" + why + ")");
    }

private:
    void need(std::size_t n) const {
        if (left() < n) damaged("it ends too soon");
    }
    std::string_view bytes_;
    std::size_t at_ = 0;
};

constexpr uint8_t kFlagDevMode = 1, kFlagNameAsked = 2;

bool isCommandKey(uint8_t key) { return key == vk::F5 || key == vk::F6 || key == vk::F7; }

}  // namespace

uint32_t replayCheckSum(std::string_view body) {
    return static_cast<uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
}

std::string encodeReplay(const Replay& r) {
    Writer w;
    w.out.append(kReplayMagic, sizeof kReplayMagic);
    w.put(kReplayFormatVersion);
    w.put(r.rulesVersion);
    w.text(r.gameVersion);
    w.put(r.random.state);
    w.put(r.random.increment);
    w.put(static_cast<uint8_t>((r.devMode ? kFlagDevMode : 0) | (r.nameAsked ? kFlagNameAsked : 0)));
    w.put(r.levelSet);
    w.put(r.playedAt);
    w.put(static_cast<uint8_t>(r.end));
    w.put(r.frames);
    w.put(r.level);
    w.put(r.score);
    w.put(r.health);
    w.text(r.name);
    w.put(static_cast<uint32_t>(r.keys.size()));
    for (const KeyRun& run : r.keys) {
        w.put(run.keys);
        w.put(run.frames);
    }
    w.put(static_cast<uint32_t>(r.commands.size()));
    for (const ReplayCommand& c : r.commands) {
        w.put(c.frame);
        w.put(c.key);
    }
    w.put(replayCheckSum(w.out));
    return w.out;
}

Replay decodeReplay(std::string_view bytes) {
    if (bytes.size() < sizeof kReplayMagic ||
        std::memcmp(bytes.data(), kReplayMagic, sizeof kReplayMagic) != 0)
        throw ReplayError("this is not a Vorn! replay file");
    Reader in(bytes.substr(sizeof kReplayMagic));
    const auto format = in.get<uint16_t>();
    if (format != kReplayFormatVersion)
        throw ReplayError("the replay file has format " + std::to_string(format) +
                          ", which this Vorn! cannot read");
    // Everything past the format number is trusted only once the check sum agrees.
    if (bytes.size() < sizeof kReplayMagic + 2 + 4) Reader::damaged("it ends too soon");
    const std::string_view body = bytes.substr(0, bytes.size() - 4);
    Reader tail(bytes.substr(bytes.size() - 4));
    if (tail.get<uint32_t>() != replayCheckSum(body)) Reader::damaged("its check sum does not match");

    Replay r;
    r.rulesVersion = in.get<uint16_t>();
    r.gameVersion = in.text(kMaxVersionBytes, "the game version");
    r.random.state = in.get<uint64_t>();
    r.random.increment = in.get<uint64_t>();
    const auto flags = in.get<uint8_t>();
    if (flags & ~(kFlagDevMode | kFlagNameAsked)) Reader::damaged("unknown flags");
    r.devMode = (flags & kFlagDevMode) != 0;
    r.nameAsked = (flags & kFlagNameAsked) != 0;
    r.levelSet = in.get<uint64_t>();
    r.playedAt = in.get<int64_t>();
    const auto end = in.get<uint8_t>();
    if (end < static_cast<uint8_t>(GameEnd::GameOver) || end > static_cast<uint8_t>(GameEnd::Closed))
        Reader::damaged("it ends in an unknown way");
    r.end = static_cast<GameEnd>(end);
    r.frames = in.get<uint32_t>();
    r.level = in.get<int16_t>();
    r.score = in.get<int16_t>();
    r.health = in.get<int16_t>();
    if (r.level < 1 || r.level > kMaxLevels) Reader::damaged("its level is out of range");
    r.name = in.text(kMaxNameBytes, "the name");
    if (!isValidUtf8(r.name)) Reader::damaged("the name is not text");
    if (!r.nameAsked && !r.name.empty()) Reader::damaged("a name without a high score");

    const auto runs = in.get<uint32_t>();
    if (runs > kMaxRuns || runs > in.left() / 6) Reader::damaged("too many key runs");
    uint64_t frames = 0;
    r.keys.reserve(runs);
    for (uint32_t i = 0; i < runs; ++i) {
        KeyRun run;
        run.keys = in.get<uint16_t>();
        run.frames = in.get<uint32_t>();
        if (run.keys >= (1u << kPlayKeys.size())) Reader::damaged("a key the game does not read");
        if (run.frames == 0) Reader::damaged("an empty key run");
        frames += run.frames;
        r.keys.push_back(run);
    }
    if (frames != r.frames) Reader::damaged("its key runs do not add up to its frames");

    const auto commands = in.get<uint32_t>();
    if (commands > kMaxCommands || commands > in.left() / 5) Reader::damaged("too many commands");
    for (uint32_t i = 0; i < commands; ++i) {
        ReplayCommand c;
        c.frame = in.get<uint32_t>();
        c.key = in.get<uint8_t>();
        if (!isCommandKey(c.key)) Reader::damaged("an unknown command");
        if (!r.devMode) Reader::damaged("a developer command outside developer mode");
        if (c.frame > r.frames || (!r.commands.empty() && c.frame < r.commands.back().frame))
            Reader::damaged("a command out of order");
        r.commands.push_back(c);
    }
    if (in.left() != 4) Reader::damaged("bytes after its end");
    return r;
}

}  // namespace vorn

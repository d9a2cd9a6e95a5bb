// A replay file: any bytes are either refused with a reason of the reader's own words, or read
// as a replay that holds together (runs adding up to its frames, commands in order and only in
// developer mode) and written again gives exactly the bytes read. Nothing else escapes.
#include <string>

#include "FuzzTarget.h"
#include "game/replay/ReplayFormat.h"

namespace vorn::fuzz {

namespace {

void checkBytes(std::string_view input) {
    Replay replay;
    try {
        replay = decodeReplay(input);
    } catch (const ReplayError& e) {
        const std::string why = e.what();
        require(why == "this is not a Vorn! replay file" || why.starts_with("the replay file "),
                "not the reader's words: " + why);
        return;
    }
    require(encodeReplay(replay) == input, "written again, the replay is not the bytes read");
    uint64_t frames = 0;
    for (const KeyRun& run : replay.keys) {
        require(run.frames > 0 && run.keys < (1u << kPlayKeys.size()), "a key run that cannot be");
        frames += run.frames;
    }
    require(frames == replay.frames, "the key runs do not add up to the frames");
    uint32_t previous = 0;
    for (const ReplayCommand& c : replay.commands) {
        require(replay.devMode && c.frame >= previous && c.frame <= replay.frames, "a command out of place");
        previous = c.frame;
    }
    require(replay.level >= 1 && replay.level <= kMaxLevels, "a level out of range");
}

// The input as it is, and once more with its check sum made good, so that the fuzzer reaches
// the checks behind the sum without having to find a matching CRC-32 first.
void checkReplay(std::string_view input) {
    checkBytes(input);
    if (input.size() < 4) return;
    std::string sealed(input.substr(0, input.size() - 4));
    const uint32_t sum = replayCheckSum(sealed);
    for (int i = 0; i < 4; ++i) sealed += static_cast<char>((sum >> (8 * i)) & 0xFF);
    checkBytes(sealed);
}

}  // namespace

VORN_FUZZ_TARGET("replay", checkReplay);

}  // namespace vorn::fuzz

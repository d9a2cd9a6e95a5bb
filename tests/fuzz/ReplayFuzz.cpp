// A replay file: any bytes are either refused with a reason of the reader's own words, or read
// as a replay that holds together (runs adding up to its frames, commands in order and only in
// developer mode) and written again gives exactly the bytes read. Nothing else escapes.
#include <string>

#include "FuzzTarget.h"
#include "game/replay/ReplayFormat.h"

namespace vorn::fuzz {

namespace {

void checkReplay(std::string_view input) {
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

}  // namespace

VORN_FUZZ_TARGET("replay", checkReplay);

}  // namespace vorn::fuzz

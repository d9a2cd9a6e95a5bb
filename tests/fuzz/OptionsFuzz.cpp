// "Options.dat": any bytes load. The two values read are the file's own, on (-1) where it is
// short; saved again they give the file's own bytes, the bytes past them kept, and reading that
// back gives the same values. A failed load leaves the options as they were.
#include <memory>
#include <string>

#include "FuzzTarget.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn::fuzz {

namespace {

constexpr char kFile[] = "Options.dat";
constexpr std::string_view kPrefix = "Game - LoadGameOptions - ";
constexpr int16_t kOtherEffects = 12345, kOtherMusic = -2;

// The file a short input becomes when saved: each value it holds both bytes of, else -1.
std::string expectedSave(std::string_view input) {
    if (input.size() >= 4) return std::string(input);
    std::string bytes = "\xFF\xFF\xFF\xFF";
    if (input.size() >= 2) bytes.replace(0, 2, input.substr(0, 2));
    return bytes;
}

void checkOptions(std::string_view input) {
    writeFile(kFile, input);
    HeadlessPlatform host;
    host.messages.echoToStderr = false;
    auto game = std::make_unique<Game>(host.platform());
    game->SoundEffects = kOtherEffects;
    game->Music = kOtherMusic;

    if (!game->LoadGameOptions()) {
        require(host.messages.shown.size() == 1, "a failed load shows exactly one message");
        const std::string& message = host.messages.shown[0];
        require(message.starts_with(kPrefix) && message.size() > kPrefix.size(),
                "not the loader's message: " + message);
        require(game->SoundEffects == kOtherEffects && game->Music == kOtherMusic,
                "a failed load changed the options: " + message);
        return;
    }
    require(host.messages.shown.empty(), "a load that succeeds shows no message");
    const int16_t effects = game->SoundEffects, music = game->Music;

    require(game->SaveGameOptions(), "the options read cannot be saved");
    require(readFile(kFile) == expectedSave(input), "saved again, the file is not what was read");
    require(folderEntries() == std::vector<std::string>{kFile}, "the save left a file behind");

    game->SoundEffects = kOtherEffects;
    game->Music = kOtherMusic;
    require(game->LoadGameOptions(), "the saved options do not load");
    require(game->SoundEffects == effects && game->Music == music, "the saved options read back different");
}

}  // namespace

VORN_FUZZ_TARGET("options", checkOptions);

}  // namespace vorn::fuzz

// One headless game as the simulator plays it: started up from a data folder in developer mode
// (no waits), then any number of games, each from a seed and a level, stepped one frame at a
// time with the keys held in that frame. vorn-sim and vorn-soak both play through it, so a key
// file written by one is replayed exactly by the other.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/headless/Headless.h"

namespace vorn {
class Game;
}

namespace vorn::sim {

class Session {
public:
    // `name` answers the high-score dialog at the end of a game.
    explicit Session(std::string name = "Tester");
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    enum class Opened { Ready, NoFolder, Failed };
    // Starts the game up from the files of `folder` (empty: the program's own folder), which is
    // the current folder only while they load. Failed: the start-up showed its message.
    Opened open(const std::filesystem::path& folder);

    // A new game from `level` with the generator seeded with `seed`. Whatever "Options.dat" and
    // "HighScores.dat" hold, it plays with sound effects on and the default table, so that what
    // follows depends on the seed, the level and the keys alone. The messages and sounds
    // recorded so far are forgotten. False: the game did not start.
    // `beforeStart` sees the seeded game just before it starts (a recorder begins there).
    using BeforeStart = std::function<void(Game&)>;
    [[nodiscard]] bool start(uint64_t seed, int level, const BeforeStart& beforeStart = {});
    // Sound effects on, the default table, no messages or sounds recorded: the state start()
    // begins from, for a game that starts some other way (a replay).
    void reset();

    // One frame with exactly these keys down (snapshot key numbers); the sounds it played are
    // in sounds() afterwards. False: the frame step failed, as the program would end.
    [[nodiscard]] bool step(std::span<const int> keys);

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    HeadlessPlatform& host() { return host_; }
    const std::vector<std::string>& sounds() const { return host_.sound.played; }

private:
    HeadlessPlatform host_;
    std::unique_ptr<Game> game_;
};

// The folder the running program lies in.
std::filesystem::path ownFolder();

}  // namespace vorn::sim

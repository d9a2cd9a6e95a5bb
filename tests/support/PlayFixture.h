// A game in play on the headless platform, for tests of the simulation and the drawing: the
// game is set up by its own Initialize from small data files written into a throw-away folder
// (plain pictures, short sounds, five plain levels), and a test then lays out levels from grids
// of its own and steps frames with the keys it chooses.
//
//   PlayFixture play;
//   // The crystal keeps the level going: a level without crystals is cleared in its first frame.
//   play.startBare(PlayFixture::gridOf({{0, "               $"}, {29, "GGGGGGGGGGGGGGGG"}}));
//   play.frames(10, {key::Right});
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"

namespace vorn::test {

// 30 rows of level letters, top row first; a row shorter than 16 cells is padded with blanks.
using Grid = std::array<std::string, kGridRows>;

class PlayFixture {
public:
    explicit PlayFixture(bool devMode = false) : PlayFixture(nullptr, nullptr, devMode) {}
    // The same game reading another keyboard and pumping another window (the SDL ones, for
    // the game pad tests); frames() and its keys then do not apply.
    PlayFixture(Keyboard& keyboard, Window& window, bool devMode = false)
        : PlayFixture(&keyboard, &window, devMode) {}
    ~PlayFixture();
    PlayFixture(const PlayFixture&) = delete;
    PlayFixture& operator=(const PlayFixture&) = delete;

private:
    DataDir dir_;  // first: the game reads its files from here

public:
    HeadlessPlatform host;

private:
    PlayFixture(Keyboard* keyboard, Window* window, bool devMode);
    Platform platform_;  // the host's, with the keyboard and the window given

public:
    Game game;

    static Grid emptyGrid();
    // An empty grid with these rows filled in, e.g. {{28, "   $"}, {29, std::string(16, 'G')}}.
    static Grid gridOf(std::initializer_list<std::pair<int, std::string>> rows);
    // Stores the grid as level n (1-based).
    void setGrid(int level, const Grid& rows);
    // Sets LevelCount, every level from 1 to count to the grid, names "Level 1", "Level 2", ...
    void useLevels(int count, const Grid& rows);
    // Lays out level n with the game's own level start and puts the game in play; false when
    // the level start failed.
    bool startLevel(int level, const Grid& rows) {
        setGrid(level, rows);
        return startLevel(level);
    }
    bool startLevel(int level);
    // Level 1 from the grid with no bombs, and nothing played or shown yet; false as above.
    bool startBare(const Grid& rows);

    // Runs n frames with exactly these keys down, then lets them go; false at the first frame
    // whose DoFrame failed.
    bool frames(int n, std::initializer_list<int> keys = {});
    // Runs frames with these keys until done() holds; the number of frames run, or -1 when
    // done() did not hold within `limit` frames or a frame failed.
    int framesUntil(const std::function<bool()>& done, int limit, std::initializer_list<int> keys = {});

    // Puts the character at rest on top of platform p, with its box's left edge at x.
    void standOn(const PlatformRec& p, float x);
    // The first platform laid out from the cell at (row, column); fails the test when none.
    const PlatformRec& platformAt(int row, int column) const;

    // Sounds played so far (file names without ".wav"), and message boxes shown.
    std::vector<std::string>& played() { return host.sound.played; }
    std::vector<std::string>& messages() { return host.messages.shown; }
};

}  // namespace vorn::test

#include "support/PlayFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "support/GameFiles.h"

namespace vorn::test {

namespace {

uint8_t cellCode(char cell) {
    const int code = levelCode(cell);
    if (code == kInvalidCellCode) throw std::invalid_argument(std::string("not a level letter: ") + cell);
    return static_cast<uint8_t>(code);
}

}  // namespace

PlayFixture::PlayFixture(Keyboard* keyboard, Window* window, bool devMode)
    : dir_(true),
      platform_{host.display,
                keyboard ? *keyboard : host.keyboard,
                host.sound,
                host.messages,
                window ? *window : host.window,
                host.clock,
                host.cursor,
                host.dialogs},
      game(platform_) {
    host.messages.echoToStderr = false;
    writeGameFiles(dir_);
    if (!game.Initialize(devMode)) {
        std::string shown;
        for (const std::string& m : host.messages.shown) shown += "\n  " + m;
        throw std::runtime_error("the test game did not start:" + shown);
    }
    // The tests' own folder goes away with them: the game writes nothing at its end.
    game.abandonWithoutSaving();
    // The health of a new game; startLevel() does not touch it, as a level start does not.
    game.Health = 7;
}

PlayFixture::~PlayFixture() = default;

Grid PlayFixture::emptyGrid() { return gridOf({}); }

Grid PlayFixture::gridOf(std::initializer_list<std::pair<int, std::string>> rows) {
    Grid g;
    g.fill(std::string(kGridColumns, ' '));
    for (const auto& [row, cells] : rows) g[row] = cells;
    return g;
}

void PlayFixture::setGrid(int level, const Grid& rows) {
    for (int row = 0; row < kGridRows; ++row) {
        if (rows[row].size() > kGridColumns) throw std::invalid_argument("a grid row has more than 16 cells");
        for (int column = 0; column < kGridColumns; ++column) {
            const char cell = column < static_cast<int>(rows[row].size()) ? rows[row][column] : ' ';
            game.LevelGrid[row][column][level - 1] = cellCode(cell);
        }
    }
}

void PlayFixture::useLevels(int count, const Grid& rows) {
    game.LevelCount = static_cast<int16_t>(count);
    for (int level = 1; level <= count; ++level) {
        setGrid(level, rows);
        game.LevelNames[level - 1] = "Level " + std::to_string(level);
    }
}

bool PlayFixture::startLevel(int level) {
    game.Level = static_cast<int16_t>(level - 1);
    if (!game.StartNextLevel()) return false;
    game.GameState = kPlaying;
    return true;
}

bool PlayFixture::startBare(const Grid& rows) {
    if (!startLevel(1, rows)) return false;
    game.BombCount = 0;  // for tests of everything else
    played().clear();
    messages().clear();
    return true;
}

bool PlayFixture::frames(int n, std::initializer_list<int> keys) {
    bool ok = true;
    for (int i = 0; i < n && ok; ++i) {
        host.keyboard.releaseAll();
        for (int k : keys) host.keyboard.press(k);
        ok = game.DoFrame();
    }
    host.keyboard.releaseAll();
    return ok;
}

int PlayFixture::framesUntil(const std::function<bool()>& done, int limit, std::initializer_list<int> keys) {
    for (int n = 1; n <= limit; ++n) {
        if (!frames(1, keys)) return -1;
        if (done()) return n;
    }
    return -1;
}

void PlayFixture::standOn(const PlatformRec& p, float x) {
    game.CharX = x;
    game.CharY = static_cast<float>(p.Top - 36);
    game.CharInAir = 0;
    game.CharVelX = 0.0f;
    game.CharVelY = 0.0f;
}

const PlatformRec& PlayFixture::platformAt(int row, int column) const {
    for (int p = 0; p < game.PlatformCount; ++p) {
        const PlatformRec& rec = game.Platforms[p];
        if (rec.Left == column * 50 + 10 && rec.Bottom == row * 20 + 17) return rec;
    }
    ADD_FAILURE() << "no platform at row " << row << ", column " << column;
    return game.Platforms[0];
}

}  // namespace vorn::test

#include "LevelChecker.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "GameMover.h"
#include "Reach.h"
#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace fs = std::filesystem;

namespace vorn::levelcheck {

namespace {

// Goes into a folder and comes back out of it, whatever happens in between.
class InFolder {
public:
    explicit InFolder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~InFolder() {
        std::error_code ec;
        fs::current_path(previous_, ec);
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    fs::path previous_;
};

// The game ends a line at CR LF (or a lone CR) only; a file written with bare LF reads as one
// long line, which the game can only call a wrong line length.
bool usesBareLineFeeds(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char previous = 0;
    for (char c; in.get(c); previous = c)
        if (c == '\n' && previous != '\r') return true;
    return false;
}

fs::path makeFolder() {
    std::string pattern = (fs::temp_directory_path() / "vorn-levelcheck-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder to start the game in");
    return pattern;
}

}  // namespace

std::string itemName(int16_t kind) {
    switch (kind) {
        case kItemHighJump:
            return "high jump";
        case kItemExtraSpeed:
            return "extra speed";
        case kItemInvulnerability:
            return "invulnerability";
        case kItemCrystal:
            return "crystal";
        case kItemBallBlaster:
            return "ball blaster";
        case kItemExtraHealth:
            return "extra health";
        case kItemDovi:
            return "Dovi";
        default:
            return "item " + std::to_string(kind);
    }
}

int LevelReport::count(int16_t kind) const {
    int n = 0;
    for (const ItemReport& item : items) n += item.kind == kind;
    return n;
}

int LevelReport::reached(int16_t kind) const {
    int n = 0;
    for (const ItemReport& item : items) n += item.kind == kind && item.reached;
    return n;
}

bool LevelReport::finishable() const {
    return reached(kItemCrystal) == count(kItemCrystal) && reached(kItemDovi) == count(kItemDovi);
}

LevelChecker::LevelChecker(const fs::path& levelsFile, const fs::path& namesFile, const fs::path& programDir)
    : host_(std::make_unique<HeadlessPlatform>()) {
    for (const fs::path& file : {levelsFile, namesFile})
        if (fs::exists(file) && usesBareLineFeeds(file)) {
            error_ = file.string() + ": line ends must be CR LF (this file uses LF)";
            return;
        }
    try {
        folder_ = makeFolder();
        for (const auto& entry : fs::directory_iterator(programDir)) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".bmp" || ext == ".wav"))
                fs::create_symlink(fs::absolute(entry.path()), folder_ / entry.path().filename());
        }
        fs::copy_file(levelsFile, folder_ / "Levels.txt");
        if (fs::exists(namesFile)) {
            fs::copy_file(namesFile, folder_ / "LevelNames.txt");
        } else {
            // Without names the levels still check; they are simply numbered.
            std::ofstream names(folder_ / "LevelNames.txt", std::ios::binary);
            for (int n = 1; n <= kMaxLevels; ++n) names << "Level " << n << "\r\n";
        }
    } catch (const std::exception& e) {
        error_ = e.what();
        return;
    }

    host_->messages.echoToStderr = false;
    game_ = std::make_unique<Game>(host_->platform());
    game_->abandonWithoutSaving();
    InFolder inside(folder_);
    ready_ = game_->Initialize(false);
    if (!ready_)
        error_ = host_->messages.shown.empty() ? "the game did not start" : host_->messages.shown.back();
}

LevelChecker::~LevelChecker() {
    game_.reset();
    std::error_code ec;
    if (!folder_.empty()) fs::remove_all(folder_, ec);
}

int LevelChecker::levelCount() const { return ready_ ? game_->LevelCount : 0; }

std::vector<uint8_t> LevelChecker::wayToNearest(int level, const Body& body, const ItemSet& gone,
                                                const ItemSet& targets) {
    Game& g = *game_;
    g.Level = static_cast<int16_t>(level - 1);
    if (!g.StartNextLevel()) throw std::runtime_error("level " + std::to_string(level) + " did not start");
    g.BombCount = 0;
    ItemSet dovi;
    for (int k = 0; k < g.ItemCount; ++k)
        if (g.Items[k].Kind == kItemDovi && !targets[k]) dovi.set(k);

    GameMover mover(g);
    Reach reach(mover);
    reach.explore(body, targets, dovi, gone);
    std::vector<uint8_t> best;
    for (int k = 0; k < g.ItemCount; ++k) {
        if (!targets[k] || !reach.touched()[k]) continue;
        std::vector<uint8_t> way = reach.keysTo(k);
        if (best.empty() || way.size() < best.size()) best = std::move(way);
    }
    return best;
}

LevelReport LevelChecker::check(int level) {
    const auto started = std::chrono::steady_clock::now();
    LevelReport report;
    report.level = level;
    Game& g = *game_;
    g.Level = static_cast<int16_t>(level - 1);
    if (!g.StartNextLevel()) throw std::runtime_error("level " + std::to_string(level) + " did not start");
    g.BombCount = 0;
    report.name = g.LevelNames[level - 1];

    // The level start takes items in the grid's order, row by row: so does this list.
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t code = g.LevelGrid[row][column][level - 1];
            if (isItemCode(code)) report.items.push_back({code, row, column, false, {}});
        }
    if (static_cast<int>(report.items.size()) != g.ItemCount)
        throw std::runtime_error("level " + std::to_string(level) + " laid out a different number of items");

    const Body start{g.CharX, g.CharY, g.CharVelX, g.CharVelY, g.CharInAir, g.HyperJumps, g.SpeedTime};
    GameMover mover(g);
    Reach reach(mover);
    ItemSet everything, dovi;
    for (int k = 0; k < g.ItemCount; ++k) {
        everything.set(k);
        if (g.Items[k].Kind == kItemDovi) dovi.set(k);
    }
    reach.explore(start, everything, dovi);

    for (int k = 0; k < g.ItemCount; ++k) {
        report.items[k].reached = reach.touched()[k];
        report.items[k].keys = reach.keysTo(k);
    }
    report.positions = reach.positions();
    report.frames = reach.frames();
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return report;
}

}  // namespace vorn::levelcheck

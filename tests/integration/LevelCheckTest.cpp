// Every shipped level can be finished: vorn-levelcheck proves it with the game's movement code,
// and the ways it found are then played back through the whole frame step, to show that what
// the checker saw is what a player holding those keys gets.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"
#include "support/DataDir.h"
#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn {
namespace {

struct CheckerRun {
    int status = -1;
    std::string out;
};

CheckerRun runChecker(const std::string& arguments) {
    const std::string command = test::binDir() + "/vorn-levelcheck " + arguments + " 2>&1";
    CheckerRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Held keys as the checker writes them, one line per frame.
std::vector<std::vector<int>> readKeys(const fs::path& file) {
    std::vector<std::vector<int>> frames;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::vector<int> keys;
        for (std::string word; words >> word;) {
            if (word == "Left") keys.push_back(key::Left);
            if (word == "Right") keys.push_back(key::Right);
            if (word == "Up") keys.push_back(key::Up);
            if (word == "Down") keys.push_back(key::Down);
        }
        frames.push_back(keys);
    }
    return frames;
}

// Under the sanitizers every frame costs some twenty times more; there a sample of levels,
// one for each kind of climb (thin steps, springs, ice, extra speed, Dovi's), stands for the set.
#if defined(__SANITIZE_ADDRESS__)
const std::vector<int> kCheckedLevels = {3, 13, 22, 43, 50};
#else
const std::vector<int> kCheckedLevels = [] {
    std::vector<int> all;
    for (int level = 1; level <= 50; ++level) all.push_back(level);
    return all;
}();
#endif

// The ways the checker wrote, by level: level-LL-item-KK.keys.
std::map<int, std::vector<std::pair<int, fs::path>>> waysIn(const fs::path& folder) {
    std::map<int, std::vector<std::pair<int, fs::path>>> ways;
    for (const auto& entry : fs::directory_iterator(folder)) {
        int level = 0, item = 0;
        if (std::sscanf(entry.path().filename().c_str(), "level-%d-item-%d.keys", &level, &item) == 2)
            ways[level].push_back({item, entry.path()});
    }
    return ways;
}

// The checker steps the character with the movement calls alone; the whole frame step, played
// with the same keys from the level start, must take the same crystal (or reach Dovi). Only
// crystals and Dovi are played back: a way to a power-up may take every crystal first, and the
// level then ends before it.
void playBack(const std::map<int, std::vector<std::pair<int, fs::path>>>& ways) {
    test::DataDir data;
    HeadlessPlatform host;
    host.messages.echoToStderr = false;
    auto game = std::make_unique<Game>(host.platform());
    game->abandonWithoutSaving();
    ASSERT_TRUE(game->Initialize(host.window, false));
    game->SoundEffects = 0;

    int played = 0, crystals = 0;
    for (const auto& [level, files] : ways) {
        for (const auto& [item, file] : files) {
            game->Level = static_cast<int16_t>(level - 1);
            ASSERT_TRUE(game->StartNextLevel());
            game->GameState = kPlaying;
            game->BombCount = 0;
            const int16_t kind = game->Items[item].Kind;
            if (kind != 13 && kind != 16) continue;

            for (const std::vector<int>& keys : readKeys(file)) {
                host.keyboard.releaseAll();
                for (int k : keys) host.keyboard.press(k);
                ASSERT_TRUE(game->DoFrame());
            }
            host.keyboard.releaseAll();
            EXPECT_EQ(game->Items[item].Left, 800)
                << "level " << level << ", item " << item << " (" << file << ")";
            ++played;
        }
        crystals += game->CrystalCount;
    }
    EXPECT_EQ(played, crystals + (ways.count(50) ? 1 : 0)) << "every crystal and Dovi had a way";
}

TEST(ShippedLevels, TheCheckerReachesEveryCrystalAndDoviAndItsWaysPlayBackThroughTheFrameStep) {
    test::DataDir keys(true);
    std::string arguments = test::sourceDir() + "/data/Levels.txt --keys " + keys.path().string();
    if (kCheckedLevels.size() < 50)
        for (int level : kCheckedLevels) arguments += " --level " + std::to_string(level);
    const CheckerRun checked = runChecker(arguments);
    EXPECT_EQ(checked.status, 0) << checked.out;

    const std::regex levelLine(R"(level +(\d+) '(.*)': (\d+)/(\d+) crystals( and Dovi)? reachable.*)");
    std::vector<int> levels;
    int crystals = 0;
    for (const std::string& line : linesOf(checked.out)) {
        std::smatch m;
        if (!std::regex_match(line, m, levelLine)) continue;
        const int level = std::stoi(m[1]);
        levels.push_back(level);
        EXPECT_EQ(m[3], m[4]) << line;
        EXPECT_GT(std::stoi(m[4]), 0) << line;
        EXPECT_EQ(m[5].matched, level == 50) << line;
        crystals += std::stoi(m[4]);
    }
    EXPECT_EQ(levels, kCheckedLevels) << checked.out;
    EXPECT_NE(
        checked.out.find("every crystal and Dovi can be reached (" + std::to_string(crystals) + " crystals"),
        std::string::npos)
        << checked.out;

    const auto ways = waysIn(keys.path());
    EXPECT_EQ(ways.size(), kCheckedLevels.size());
    playBack(ways);
}

// The checker must say so when a level cannot be finished: a crystal high in an empty corner,
// and Dovi on a pillar out of reach of every jump.
TEST(LevelChecker, NamesWhatCannotBeReachedAndFails) {
    test::DataDir dir(true);
    auto level = [](std::vector<std::string> rows) {
        std::string text;
        rows.resize(30, std::string(16, ' '));
        for (const std::string& row : rows) text += "X" + row + std::string(16 - row.size(), ' ') + "X\r\n";
        return text + std::string(18, 'X') + "\r\n";
    };
    std::vector<std::string> open(30, "");
    open[29] = std::string(16, 'G');
    open[28] = "     $";
    std::vector<std::string> lonely = open;
    lonely[4] = "$";
    std::vector<std::string> pillar = open;
    pillar[12] = "          C";
    pillar[13] = "          G";

    std::string levels = std::string(18, 'X') + "\r\n";
    levels += level(open) + level(lonely) + level(open) + level(open) + level(pillar);
    dir.write("Levels.txt", levels);

    const CheckerRun fine = runChecker(dir.file("Levels.txt").string() + " --level 3");
    EXPECT_EQ(fine.status, 0) << fine.out;
    EXPECT_NE(fine.out.find("level  3 'Level 3': 1/1 crystals reachable"), std::string::npos) << fine.out;

    const CheckerRun lonelyRun = runChecker(dir.file("Levels.txt").string() + " --level 2");
    EXPECT_EQ(lonelyRun.status, 1) << lonelyRun.out;
    EXPECT_NE(lonelyRun.out.find("1/2 crystals reachable"), std::string::npos) << lonelyRun.out;
    EXPECT_NE(lonelyRun.out.find("unreachable: crystal at row 4, column 0"), std::string::npos)
        << lonelyRun.out;

    const CheckerRun all = runChecker(dir.file("Levels.txt").string());
    EXPECT_EQ(all.status, 1) << all.out;
    EXPECT_NE(all.out.find("level  5 'Level 5': 1/1 crystals, not Dovi, reachable"), std::string::npos)
        << all.out;
    EXPECT_NE(all.out.find("unreachable: Dovi at row 12, column 10"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("2 items cannot be reached"), std::string::npos) << all.out;
}

}  // namespace
}  // namespace vorn

// The simulator's command line and key scripts: what a bug report or a golden run relies on.
#include <gtest/gtest.h>

#include <sstream>

#include "Simulator.h"
#include "game/state/Game.h"

using namespace vorn;

TEST(SimulatorScript, KeyLinesMapToTheKeysOfPlay) {
    std::istringstream in("Left Space\n\nRight  LCtrl\r\nUp Down LShift RShift RCtrl\n");
    sim::KeyScript script = sim::parseKeyScript(in);
    ASSERT_EQ(script.frames.size(), 4u);
    EXPECT_EQ(script.keysFor(1), (std::vector<int>{key::Left, key::Space}));
    EXPECT_TRUE(script.keysFor(2).empty());
    EXPECT_EQ(script.keysFor(3), (std::vector<int>{key::Right, key::LCtrl}));
    EXPECT_EQ(script.keysFor(4), (std::vector<int>{key::Up, key::Down, key::LShift, key::RShift, key::RCtrl}));
    // Past the end of the script no key is down.
    EXPECT_TRUE(script.keysFor(5).empty());
    EXPECT_TRUE(script.keysFor(0).empty());
}

TEST(SimulatorScript, UnknownWordsAreRejectedWithTheirLine) {
    std::istringstream in("Left\nRight\nleft\n");
    try {
        sim::parseKeyScript(in);
        FAIL() << "a lower-case key name was accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("left"), std::string::npos) << e.what();
    }
    // A control character shows as its code: a NUL would cut the message short.
    std::istringstream control(std::string("Up\nR\0ght\x7F Left\n", 15));
    try {
        sim::parseKeyScript(control);
        FAIL() << "a word with control characters was accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), "line 2: unknown key 'R\\x00ght\\x7F'");
    }
}

TEST(SimulatorScript, ArgumentsHaveDefaultsAndAreChecked) {
    sim::Options o = sim::parseArguments({});
    EXPECT_EQ(o.seed, 1u);
    EXPECT_EQ(o.level, 1);
    EXPECT_EQ(o.frames, 1000);
    EXPECT_EQ(o.name, "Tester");
    EXPECT_TRUE(o.dataDir.empty());

    o = sim::parseArguments({"--seed", "42", "--level", "7", "--frames", "12", "--name", "Ann", "--data", "/x",
                             "--input", "keys.txt"});
    EXPECT_EQ(o.seed, 42u);
    EXPECT_EQ(o.level, 7);
    EXPECT_EQ(o.frames, 12);
    EXPECT_EQ(o.name, "Ann");
    EXPECT_EQ(o.dataDir, "/x");
    EXPECT_EQ(o.inputFile, "keys.txt");

    EXPECT_THROW(sim::parseArguments({"--frames", "ten"}), std::invalid_argument);
    EXPECT_THROW(sim::parseArguments({"--frames", "10x"}), std::invalid_argument);
    EXPECT_THROW(sim::parseArguments({"--seed"}), std::invalid_argument);
    EXPECT_THROW(sim::parseArguments({"--speed", "3"}), std::invalid_argument);
}

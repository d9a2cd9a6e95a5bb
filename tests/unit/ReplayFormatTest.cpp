// The replay file: what is written reads back the same, and a damaged, cut or foreign file is
// refused with its reason instead of being played.
#include <gtest/gtest.h>

#include <string>

#include "game/replay/ReplayFormat.h"

namespace vorn {
namespace {

Replay sample() {
    Replay r;
    r.gameVersion = "1.0";
    r.random = {0x0123456789ABCDEFULL, 109};
    r.devMode = true;
    r.levelSet = 0xFEDCBA9876543210ULL;
    r.playedAt = 1796000000;
    r.keys = {{0, 90}, {2, 14}, {2 | 4 | 32, 1}, {1, 300}};
    r.commands = {{0, 116}, {104, 118}, {405, 117}};
    r.nameAsked = true;
    r.name = "Zoë the Quick";
    r.end = GameEnd::Won;
    r.frames = 405;
    r.level = 50;
    r.score = -32000;
    r.health = 3;
    return r;
}

std::string reasonFor(const std::string& bytes) {
    try {
        decodeReplay(bytes);
    } catch (const ReplayError& e) {
        return e.what();
    }
    return "read";
}

TEST(ReplayFile, WhatIsWrittenReadsBackTheSame) {
    const Replay r = sample();
    const std::string bytes = encodeReplay(r);
    // The byte order is pinned by the golden whole game's replay, a file read on every run.
    EXPECT_EQ(decodeReplay(bytes), r);

    Replay plain;
    plain.level = 1;
    EXPECT_EQ(decodeReplay(encodeReplay(plain)), plain) << "no keys, no commands, no name";
}

TEST(ReplayFile, EveryDamagedByteAndEveryCutIsRefused) {
    const std::string bytes = encodeReplay(sample());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x20);
        EXPECT_NE(reasonFor(damaged), "read") << "byte " << at;
        EXPECT_NE(reasonFor(bytes.substr(0, at)), "read") << "cut at " << at;
    }
    EXPECT_EQ(reasonFor(bytes + "x"), "the replay file is damaged (its check sum does not match)");
    EXPECT_EQ(reasonFor(""), "this is not a Vorn! replay file");
    EXPECT_EQ(reasonFor("GIF89a......"), "this is not a Vorn! replay file");
    std::string future = bytes;
    future[4] = 2;
    EXPECT_EQ(reasonFor(future), "the replay file has format 2, which this Vorn! cannot read");
}

TEST(ReplayFile, ASealedFileThatContradictsItselfIsStillRefused) {
    const auto refused = [](auto change) {
        Replay r = sample();
        change(r);
        return reasonFor(encodeReplay(r));
    };
    EXPECT_EQ(refused([](Replay& r) { r.frames = 404; }),
              "the replay file is damaged (its key runs do not add up to its frames)");
    EXPECT_EQ(refused([](Replay& r) { r.keys[1].frames = 0, r.keys[0].frames = 104; }),
              "the replay file is damaged (an empty key run)");
    EXPECT_EQ(refused([](Replay& r) { r.keys[0].keys = 1 << 9; }),
              "the replay file is damaged (a key the game does not read)");
    EXPECT_EQ(refused([](Replay& r) { r.devMode = false; }),
              "the replay file is damaged (a developer command outside developer mode)");
    EXPECT_EQ(refused([](Replay& r) { r.commands[1].frame = 500; }),
              "the replay file is damaged (a command out of order)");
    EXPECT_EQ(refused([](Replay& r) { r.commands[0].key = 112; }),
              "the replay file is damaged (an unknown command)");
    EXPECT_EQ(refused([](Replay& r) { r.level = 51; }),
              "the replay file is damaged (its level is out of range)");
    EXPECT_EQ(refused([](Replay& r) { r.end = static_cast<GameEnd>(9); }),
              "the replay file is damaged (it ends in an unknown way)");
    EXPECT_EQ(refused([](Replay& r) { r.name = "\xFF\xFE"; }),
              "the replay file is damaged (the name is not text)");
    EXPECT_EQ(refused([](Replay& r) { r.nameAsked = false; }),
              "the replay file is damaged (a name without a high score)");
}

}  // namespace
}  // namespace vorn

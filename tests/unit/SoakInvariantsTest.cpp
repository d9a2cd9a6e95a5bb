// vorn-soak's invariant checker: every invariant is shown to catch a world planted to break it.
// That it holds for the game as it plays is the short soak's part.
#include <gtest/gtest.h>

#include <functional>

#include "Invariants.h"
#include "support/PlayFixture.h"

namespace vorn::test {
namespace {

using Plant = std::function<void(PlayFixture&)>;

struct Case {
    const char* what;
    Plant before;         // the world of the frame before (must break nothing itself)
    Plant after;          // the world after the frame
    const char* caught;   // a phrase of the report
    bool frameOk = true;  // what DoFrame answered
};

const Plant kNothing = [](PlayFixture&) {};

TEST(SoakInvariants, EachInvariantCatchesAWorldThatBreaksIt) {
    const Case cases[] = {
        {"sideways, right", kNothing, [](PlayFixture& p) { p.game.CharX = 765.6f; }, "sideways"},
        {"through the net", kNothing, [](PlayFixture& p) { p.game.CharY = 600.0f; }, "below the net"},
        {"health 0 and no end", kNothing, [](PlayFixture& p) { p.game.Health = 0; }, "Health is 0"},
        {"score down", [](PlayFixture& p) { p.game.Score = 100; }, [](PlayFixture& p) { p.game.Score = 80; },
         "went down from 100 to 80"},
        {"score wrapped round", [](PlayFixture& p) { p.game.Score = 32767; },
         [](PlayFixture& p) { p.game.Score = -32768; }, "Score is -32768"},
        {"bombs", kNothing, [](PlayFixture& p) { p.game.BombCount = kMaxBombs + 1; }, "BombCount"},
        {"particles", kNothing,
         [](PlayFixture& p) {
             p.game.ParticleSystems[3].Active = true;
             p.game.ParticleSystems[3].CountY = 21;
         },
         "particle system 3"},
        {"a failed frame", kNothing, kNothing, "frame step failed", false},
        {"cleared, no end", kNothing, [](PlayFixture& p) { p.game.CrystalsTaken = p.game.CrystalCount; },
         "did not begin"},
        {"the end stalls", [](PlayFixture& p) { p.game.EndDelay = 50; }, kNothing, "stopped counting down"},
        {"cleared, no next level", [](PlayFixture& p) { p.game.EndDelay = 1; },
         [](PlayFixture& p) { p.game.EndDelay = 0; }, "level 2 did not start"},
        {"dead, the game goes on",
         [](PlayFixture& p) {
             p.game.Health = 0;
             p.game.EndDelay = 1;
         },
         [](PlayFixture& p) {
             p.game.EndDelay = 0;
             p.startLevel(2);
         },
         "Health ran out"},
        {"Dovi rescued, the game goes on",
         [](PlayFixture& p) {
             p.game.LevelHasDovi = p.game.DoviRescued = true;
             p.game.EndDelay = 1;
         },
         [](PlayFixture& p) { p.game.EndDelay = 0; }, "Dovi was rescued"},
    };
    PlayFixture play;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(play.startBare(PlayFixture::gridOf({{28, "       $"}, {29, std::string(16, 'G')}})));
        play.game.Health = 7;
        play.game.Score = 0;
        c.before(play);
        soak::Invariants invariants;
        ASSERT_EQ(invariants.start(play.game, play.messages()), "");
        c.after(play);
        const std::string report = invariants.check(play.game, c.frameOk, play.messages());
        EXPECT_NE(report.find(c.caught), std::string::npos) << "reported: '" << report << "'";
    }
}

}  // namespace
}  // namespace vorn::test

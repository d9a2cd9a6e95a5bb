#include "Invariants.h"

#include <cmath>
#include <sstream>

#include "game/state/Game.h"

namespace vorn::soak {

namespace {

// A fall through the floor is caught at the screen's bottom edge and costs a health point.
constexpr float kNet = kScreenHeight;

template <class... Parts>
std::string say(const Parts&... parts) {
    std::ostringstream s;
    (s << ... << parts);
    return s.str();
}

bool cleared(const Game& g) { return g.LevelHasDovi ? g.DoviRescued : g.CrystalsTaken == g.CrystalCount; }

// What holds in any single world, without looking at the frame before.
std::string checkWorld(const Game& g, const std::vector<std::string>& messages) {
    if (!messages.empty()) return say("an error was raised: \"", messages.front(), "\"");

    if (!std::isfinite(g.CharX) || !std::isfinite(g.CharY) || !std::isfinite(g.CharVelX) ||
        !std::isfinite(g.CharVelY))
        return say("the character's position or speed is not a number (", g.CharX, ", ", g.CharY, ")");
    // The hit rectangle, not the picture, is what the screen's sides hold in.
    const Rect r = g.GetCharRect();
    if (r.Left < 0 || r.Right > kScreenWidth)
        return say("the character left the screen sideways: CharX ", g.CharX, ", hit rectangle ", r.Left,
                   " to ", r.Right);
    if (!(g.CharY < kNet)) return say("the character fell below the net: CharY ", g.CharY);

    if (g.Health < 0) return say("Health is ", g.Health);
    if (g.Score < 0) return say("Score is ", g.Score);

    if (g.PlatformCount < 0 || g.PlatformCount > kMaxPlatforms)
        return say("PlatformCount is ", g.PlatformCount);
    if (g.ItemCount < 0 || g.ItemCount > kMaxItems) return say("ItemCount is ", g.ItemCount);
    if (g.BombCount < 0 || g.BombCount > kMaxBombs) return say("BombCount is ", g.BombCount);
    for (int p = 0; p < kMaxParticleSystems; ++p) {
        const ParticleSystem& ps = g.ParticleSystems[p];
        if (ps.Active &&
            (ps.CountX < 0 || ps.CountX > kMaxPiecesAcross || ps.CountY < 0 || ps.CountY > kMaxPiecesAcross))
            return say("particle system ", p, " has ", ps.CountX, " by ", ps.CountY, " pieces");
    }
    if (g.CrystalsTaken < 0 || g.CrystalsTaken > g.CrystalCount)
        return say("CrystalsTaken is ", g.CrystalsTaken, " of ", g.CrystalCount);
    if (g.GameState == kPlaying && (g.Level < 1 || g.Level > g.LevelCount))
        return say("Level is ", g.Level, " of ", g.LevelCount);
    return "";
}

}  // namespace

std::string Invariants::start(const Game& g, const std::vector<std::string>& messages) {
    clears_ = 0;
    remember(g);
    return checkWorld(g, messages);
}

void Invariants::remember(const Game& g) {
    score_ = g.Score;
    level_ = g.Level;
    health_ = g.Health;
    endDelay_ = g.EndDelay;
    hasDovi_ = g.LevelHasDovi;
}

std::string Invariants::check(const Game& g, bool frameOk, const std::vector<std::string>& messages) {
    std::string broken = checkWorld(g, messages);
    if (broken.empty() && !frameOk) broken = "the frame step failed";
    if (broken.empty() && g.Score < score_) broken = say("Score went down from ", score_, " to ", g.Score);

    const bool playing = g.GameState == kPlaying;
    if (broken.empty() && endDelay_ == 1) {
        // The level's end ran out in this frame: the next level, or the end of the game.
        if (health_ > 0) ++clears_;
        if (health_ > 0 && !hasDovi_) {
            const int next = level_ % g.LevelCount + 1;
            if (!playing || g.Level != next || g.EndDelay != 0 || g.CrystalsTaken != 0 ||
                g.CharX != kCharStartX || g.CharY != kCharStartY)
                broken = say("level ", level_, " was cleared but level ", next, " did not start (Level ",
                             g.Level, ", GameState ", g.GameState, ")");
        } else if (playing) {
            broken = health_ > 0 ? say("Dovi was rescued on level ", level_, " but the game goes on")
                                 : say("Health ran out on level ", level_, " but the game goes on at level ",
                                       g.Level);
        }
    } else if (broken.empty() && endDelay_ > 1 && playing && g.EndDelay != endDelay_ - 1) {
        broken =
            say("the level's end stopped counting down: EndDelay went from ", endDelay_, " to ", g.EndDelay);
    } else if (broken.empty() && playing && g.EndDelay == 0) {
        if (g.Health == 0)
            broken = say("Health is 0 on level ", g.Level, " and the game goes on");
        else if (cleared(g))
            broken = say("level ", g.Level, " is cleared but its end did not begin");
    }
    remember(g);
    return broken;
}

}  // namespace vorn::soak

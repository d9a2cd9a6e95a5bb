// Picking up crystals, power-ups and Dovi, and the items' idle animation.
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

enum ItemKind : int16_t {
    kHighJump = 10,
    kExtraSpeed = 11,
    kInvulnerability = 12,
    kCrystal = 13,
    kBallBlaster = 14,
    kExtraHealth = 15,
    kDovi = 16
};

// A picked-up item goes just past the right side of the screen, where the character's hit
// rectangle never reaches, so it is not taken twice.
constexpr int32_t kOffScreenLeft = 800, kOffScreenRight = 840;

struct ItemLook {
    const SurfaceRef* picture = nullptr;
    const SoundRef* sound = nullptr;
};

// Applies the item's effect and answers its picture and sound (none for a kind that no item
// holds). Power-up timers are set, not added to: a second pick-up restarts them.
ItemLook applyItem(Game& g, int16_t kind) {
    switch (kind) {
        case kHighJump:
            g.HyperJumps = 5;
            return {&g.SurfHighJump, &g.SndHyperJump};
        case kExtraSpeed:
            g.SpeedTime = 900;
            return {&g.SurfExtraSpeed, &g.SndSpeed};
        case kInvulnerability:
            g.InvulnerableTime = 300;
            return {&g.SurfInvulnerable, &g.SndInvulnerability};
        case kCrystal:
            g.Score = saturatingAdd16(g.Score, 20);
            g.CrystalsTaken = wrap16(g.CrystalsTaken + 1);
            return {&g.SurfCrystal, &g.SndCrystal};
        case kBallBlaster:
            g.BallBlasterTime = 450;
            return {&g.SurfShoot, &g.SndBallBlaster};
        case kExtraHealth:
            g.Health = saturatingAdd16(g.Health, 1);
            return {&g.SurfExtraHealth, &g.SndExtraHealth};
        case kDovi:
            g.DoviRescued = true;
            return {&g.SurfDovi, &g.SndPowerup};
        default:
            return {};
    }
}

}  // namespace

void Game::CollectItems() {
    const Rect r = GetCharRect();
    for (int k = 0; k < ItemCount; ++k) {
        ItemRec& item = Items[k];
        if (!intersects(r, Rect{item.Left, item.Top, item.Right, item.Bottom})) continue;

        const ItemLook look = applyItem(*this, item.Kind);
        if (look.picture) {
            const float x = static_cast<float>(item.Left), y = static_cast<float>(item.Top);
            if (item.Kind == kCrystal)
                startCrystalEffect(x, y);
            else
                startPickUpEffect(x, y, *look.picture);
            if (!playSound(*look.sound)) return;
        }
        item.Left = kOffScreenLeft;
        item.Right = kOffScreenRight;
    }
}

// Dovi waves more slowly than the power-ups turn.
void Game::animateItems() {
    for (int k = 0; k < ItemCount; ++k) {
        ItemRec& item = Items[k];
        item.Frame = item.Frame + (item.Kind == kDovi ? 0.3f : 0.5f);
        if (item.Frame >= 16.0f) item.Frame = 0.0f;
    }
}

}  // namespace vorn

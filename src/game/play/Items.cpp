// Picking up crystals, power-ups and Dovi, and the items' idle animation.
#include "core/Numbers.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

struct ItemLook {
    const SurfaceRef* picture = nullptr;
    const SoundRef* sound = nullptr;
};

// Applies the item's effect and answers its picture and sound (none for a kind that no item
// holds). Power-up timers are set, not added to: a second pick-up restarts them.
ItemLook applyItem(Game& g, int16_t kind) {
    switch (kind) {
        case kItemHighJump:
            g.HyperJumps = 5;
            return {&g.SurfHighJump, &g.SndHyperJump};
        case kItemExtraSpeed:
            g.SpeedTime = 900;
            return {&g.SurfExtraSpeed, &g.SndSpeed};
        case kItemInvulnerability:
            g.InvulnerableTime = 300;
            return {&g.SurfInvulnerable, &g.SndInvulnerability};
        case kItemCrystal:
            g.Score = saturatingAdd16(g.Score, 20);
            g.CrystalsTaken = wrap16(g.CrystalsTaken + 1);
            return {&g.SurfCrystal, &g.SndCrystal};
        case kItemBallBlaster:
            g.BallBlasterTime = 450;
            return {&g.SurfShoot, &g.SndBallBlaster};
        case kItemExtraHealth:
            g.Health = saturatingAdd16(g.Health, 1);
            return {&g.SurfExtraHealth, &g.SndExtraHealth};
        case kItemDovi:
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
            if (item.Kind == kItemCrystal)
                startCrystalEffect(x, y);
            else
                startPickUpEffect(x, y, *look.picture);
            if (!playSound(*look.sound)) return;
        }
        item.markTaken();
    }
}

// Dovi waves more slowly than the power-ups turn.
void Game::animateItems() {
    for (int k = 0; k < ItemCount; ++k) {
        ItemRec& item = Items[k];
        item.Frame = item.Frame + (item.Kind == kItemDovi ? 0.3f : 0.5f);
        if (item.Frame >= kAnimationFrames) item.Frame = 0.0f;
    }
}

}  // namespace vorn

#include "GameMover.h"

#include <algorithm>
#include <cstring>

namespace vorn::levelcheck {

GameMover::GameMover(Game& game) : game_(game) {
    std::copy(game_.Items, game_.Items + kMaxItems, laidOut_);
    // Nothing is heard, and the character does not blink or shoot on its way.
    game_.SoundEffects = 0;
    game_.EndDelay = 0;
}

void GameMover::place(const Body& body, const ItemSet& gone) {
    game_.CharX = body.x;
    game_.CharY = body.y;
    game_.CharVelX = body.velX;
    game_.CharVelY = body.velY;
    game_.CharInAir = body.inAir;
    game_.HyperJumps = body.highJumps;
    game_.SpeedTime = body.speedTime;
    for (int k = 0; k < game_.ItemCount; ++k) {
        game_.Items[k] = laidOut_[k];
        if (gone[k]) game_.Items[k].markTaken();
    }
}

ItemSet GameMover::step(uint8_t keys) {
    std::memset(game_.KeyState, 0, sizeof game_.KeyState);
    if (keys & kHoldLeft) game_.KeyState[key::Left] = 0x80;
    if (keys & kHoldRight) game_.KeyState[key::Right] = 0x80;
    if (keys & kHoldJump) game_.KeyState[key::Up] = 0x80;
    if (keys & kHoldDown) game_.KeyState[key::Down] = 0x80;

    int32_t leftBefore[kMaxItems];
    for (int k = 0; k < game_.ItemCount; ++k) leftBefore[k] = game_.Items[k].Left;

    game_.horizontalControl();
    (void)game_.moveCharacter();  // with the sound off nothing in it can fail
    game_.countDownPowerUps();
    game_.CollectItems();

    // A picked-up item is moved off the screen: it is taken now, and was not before.
    ItemSet touched;
    for (int k = 0; k < game_.ItemCount; ++k)
        if (game_.Items[k].Left != leftBefore[k]) touched.set(k);
    return touched;
}

Body GameMover::body() const {
    return Body{game_.CharX,     game_.CharY,      game_.CharVelX, game_.CharVelY,
                game_.CharInAir, game_.HyperJumps, game_.SpeedTime};
}

int16_t GameMover::surface() const { return game_.GetSurfaceKind(game_.GetCharRect()); }

}  // namespace vorn::levelcheck

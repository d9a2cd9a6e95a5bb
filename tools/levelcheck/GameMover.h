// The reach search's moves made by the game itself: a laid-out level of a Game, stepped with
// the same movement, power-up and pick-up calls the frame step makes, in the same order.
// Bombs, shots, effects and the level's end take no part: they never move the character.
#pragma once

#include "Mover.h"
#include "game/state/Game.h"

namespace vorn::levelcheck {

class GameMover : public Mover {
public:
    // `game` holds a level just laid out by its own level start; its items as they are now
    // are what place() puts back.
    explicit GameMover(Game& game);

    int itemCount() const override { return game_.ItemCount; }
    int16_t itemKind(int k) const override { return game_.Items[k].Kind; }
    void place(const Body& body, const ItemSet& gone) override;
    ItemSet step(uint8_t keys) override;
    Body body() const override;
    int16_t surface() const override;

private:
    Game& game_;
    ItemRec laidOut_[kMaxItems];
};

}  // namespace vorn::levelcheck

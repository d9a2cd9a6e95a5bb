// The layers of the play screen, each drawn on the back buffer in the order DrawGameFrame
// calls them; a later layer covers an earlier one.
#pragma once

#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn::layers {

void background(const Game& g, VBGE& ge, Surface& back);
void bombs(const Game& g, VBGE& ge, Surface& back);
void shots(const Game& g, VBGE& ge, Surface& back);
void characterToRescue(const Game& g, VBGE& ge, Surface& back);
void platforms(const Game& g, VBGE& ge, Surface& back);
void items(const Game& g, VBGE& ge, Surface& back);
void pieces(const Game& g, VBGE& ge, Surface& back);
void bombGates(const Game& g, VBGE& ge, Surface& back);
void health(const Game& g, VBGE& ge, Surface& back);
void score(const Game& g, Surface& back);
void levelLine(const Game& g, Surface& back);
void replayMarker(const Game& g, Surface& back);

// Copies src's srcRect onto dest's destRect; the engine clips copies of these rectangles. A
// failed copy has shown its message and the frame is drawn on, as every copy of a frame is.
inline void blit(VBGE& ge, Surface& dest, Rect destRect, const Surface& src, Rect srcRect, int32_t flags) {
    (void)ge.Blit(dest, destRect, src, srcRect, flags);
}

}  // namespace vorn::layers

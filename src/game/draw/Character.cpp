// The player's character: one 40 x 36 frame of its sheet, the row chosen by the way it faces.
#include "core/Numbers.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

void Game::DrawCharacter() {
    // Gone while the level ends or the game is over.
    if (EndDelay != 0) return;
    VBGE& ge = graphics();
    // The right-facing row holds the same poses in mirrored order.
    int16_t left = wrap16(40 * CharPose);
    int32_t top = 0;
    if (CharFacing == 1) {
        left = wrap16(640 - left);
        top = 36;
    }
    const int32_t x = intFloor(CharX), y = intFloor(CharY);
    Rect dest{x, y, x + 40, y + 36};
    Rect source{left, top, left + 40, top + 36};
    ge.Blit(picture(ge.BackBuffer()), dest, picture(SurfCharacter), source, kBltWaitKeySrc);
}

}  // namespace vorn

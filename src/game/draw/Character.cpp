// The player's character: one frame of its sheet, the row chosen by the way it faces.
#include "core/Numbers.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

void Game::DrawCharacter() {
    // Gone while the level ends or the game is over.
    if (EndDelay != 0) return;
    VBGE& ge = graphics();
    // The right-facing row holds the same poses in mirrored order.
    int16_t left = wrap16(kCharWidth * CharPose);
    int32_t top = 0;
    if (CharFacing == 1) {
        left = wrap16((kCharPoses - 1) * kCharWidth - left);
        top = kCharHeight;
    }
    const int32_t x = intFloor(CharX), y = intFloor(CharY);
    Rect dest{x, y, x + kCharWidth, y + kCharHeight};
    Rect source{left, top, left + kCharWidth, top + kCharHeight};
    // A failed copy has shown its message; the frame is drawn on.
    (void)ge.Blit(picture(ge.BackBuffer()), dest, picture(SurfCharacter), source, kBltWaitKeySrc);
}

}  // namespace vorn

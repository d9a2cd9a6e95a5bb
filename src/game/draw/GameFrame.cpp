// The play screen, drawn from scratch every frame on the back buffer and shown by one copy of
// the whole back buffer to the screen. Nothing is allocated here: the frame runs every 30 ms.
#include "core/Error.h"
#include "devinfo/DevInfo.h"
#include "engines/VBGE.h"
#include "game/draw/Layers.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::DrawGameFrame() {
    return trapErrors(platform.messages, "Game - DrawGameFrame - ", [&] {
        VBGE& ge = graphics();
        Surface& back = picture(ge.BackBuffer());

        layers::background(*this, ge, back);
        layers::bombs(*this, ge, back);
        layers::shots(*this, ge, back);
        layers::characterToRescue(*this, ge, back);
        // Standing, the character is behind the platforms; in the air it is in front of them.
        if (CharInAir == 0) DrawCharacter();
        layers::platforms(*this, ge, back);
        if (CharInAir == 1) DrawCharacter();
        layers::items(*this, ge, back);
        layers::pieces(*this, ge, back);
        layers::bombGates(*this, ge, back);
        layers::health(*this, ge, back);
        layers::score(*this, back);
        layers::levelLine(*this, back);
        if (replayMarker) layers::replayMarker(*this, back);

        // Empty slots stay empty; the others keep their places.
        if (SpeedTime > 0) DrawPowerUpIndicator(kItemExtraSpeed, 600, 5);
        if (HyperJumps > 0) DrawPowerUpIndicator(kItemHighJump, 645, 5);
        if (InvulnerableTime > 0) DrawPowerUpIndicator(kItemInvulnerability, 690, 5);
        if (BallBlasterTime > 0) DrawPowerUpIndicator(kItemBallBlaster, 735, 5);

        if (DevMode) {
            if (!FrameRateInfo) raiseObjectNotSet();
            // The overlay has shown its own message; the main loop ends the program.
            if (!FrameRateInfo->Calculate()) return false;
        }

        Rect dest{0, 0, kScreenWidth, kScreenHeight};
        Rect source{0, 0, kScreenWidth, kScreenHeight};
        // A failed copy has shown its message; the next frame tries again.
        (void)ge.Blit(picture(ge.PrimarySurface()), dest, back, source, kBltWait);
        return true;
    });
}

}  // namespace vorn

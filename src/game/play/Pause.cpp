// The pause: P pauses, and a second press and release of P resumes. Nothing is drawn
// meanwhile, so the last frame stays on the screen.
#include <cstdint>

#include "engines/VBIE.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

enum PauseStep { kReleasePausingPress, kWaitForResumePress, kWaitForResumeRelease };

// Short naps keep the window answering without spinning a core while paused.
constexpr uint32_t kPauseNapMs = 10;

}  // namespace

void Game::PauseGame() {
    // A snapshot of its own, so the paused frame goes on with the keys it read before the pause.
    uint8_t keys[256] = {};
    PauseStep step = kReleasePausingPress;
    for (;;) {
        doEvents();
        if (platform.window.closeRequested()) return;
        if (!InputEngine->GetKeyboardState(keys)) return;
        const bool pDown = (keys[key::P] & 0x80) != 0;

        if (step == kReleasePausingPress && !pDown) step = kWaitForResumePress;
        if (step == kWaitForResumePress && pDown) step = kWaitForResumeRelease;
        if (step == kWaitForResumeRelease && !pDown) return;
        platform.clock.sleep(kPauseNapMs);
    }
}

}  // namespace vorn

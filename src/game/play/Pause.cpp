// The pause: P pauses, and a second press and release of P resumes. Leaving the window pauses
// too. Nothing is drawn meanwhile, so the last frame stays on the screen.
#include <cstdint>

#include "engines/VBIE.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

enum PauseStep { kReleasePausingPress, kWaitForResumePress, kWaitForResumeRelease };

// Short naps keep the window answering without spinning a core while paused.
constexpr uint32_t kPauseNapMs = 10;

}  // namespace

bool Game::PauseGame() {
    // A snapshot of its own, so the paused frame goes on with the keys it read before the pause.
    uint8_t keys[256] = {};
    const uint32_t levelStartsBefore = levelStarts;
    PauseStep step = kReleasePausingPress;
    for (;;) {
        doEvents();
        // Escape, F1, F5 or F6 handled just now stopped the game or laid out another level: the
        // paused frame belongs to a world that is gone, so the pause ends and the frame with it.
        if (GameState != kPlaying || levelStarts != levelStartsBefore) return false;
        if (platform.window.closeRequested()) return true;
        if (!InputEngine->GetKeyboardState(keys)) return true;
        const bool pDown = (keys[key::P] & 0x80) != 0;

        if (step == kReleasePausingPress && !pDown) step = kWaitForResumePress;
        if (step == kWaitForResumePress && pDown) step = kWaitForResumeRelease;
        if (step == kWaitForResumeRelease && !pDown) return true;
        platform.clock.sleep(kPauseNapMs);
    }
}

}  // namespace vorn

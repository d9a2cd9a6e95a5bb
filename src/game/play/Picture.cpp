#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {

// Every started game has all its pictures loaded; a missing one is the platform's
// "object not set" error, caught by the operation's handler, rather than a crash.
// Asked of the game like everything else the drawing needs, though it reads nothing of the game.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
Surface& Game::picture(const SurfaceRef& surface) const {
    if (!surface) raiseObjectNotSet();
    return *surface;
}

}  // namespace vorn

// A whole-screen picture centred on black: the loading, get-ready, end and title pictures.
#include <cmath>

#include "core/Error.h"
#include "engines/VBGE.h"
#include "game/state/Game.h"

namespace vorn {

bool Game::ShowBitmap(Surface& ddsBitmap, bool bToPrimary) {
    return trapErrors(platform.messages, "Game - ShowBitmap - ", [&] {
        VBGE& ge = graphics();
        Surface& back = picture(ge.BackBuffer());
        if (!ge.ClearSurface(back, false)) return false;

        // Centred on the screen, whatever the engine's size; an odd margin rounds to even.
        const int32_t w = ddsBitmap.width(), h = ddsBitmap.height();
        const auto x = static_cast<int32_t>(std::nearbyint((kScreenWidth - w) / 2.0));
        const auto y = static_cast<int32_t>(std::nearbyint((kScreenHeight - h) / 2.0));
        Rect source{0, 0, w, h};
        Rect dest{x, y, x + w, y + h};
        // Plain: blue in a full-screen picture is blue, not transparent.
        if (!ge.Blit(back, dest, ddsBitmap, source, kBltWait)) return false;

        // The same rectangles, as the copy to the back buffer clipped them.
        if (bToPrimary) {
            if (!ge.Blit(picture(ge.PrimarySurface()), dest, ddsBitmap, source, kBltWait)) return false;
        }
        return true;
    });
}

}  // namespace vorn

#include "platform/sdl/SdlCursor.h"

#include <SDL.h>

namespace vorn {

int SdlCursor::showCursor(bool show) {
    count_ += show ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(count_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return count_;
}

}  // namespace vorn

#include "platform/sdl/SdlPlatform.h"

#include <cstdlib>
#include <cstring>

#include "core/Geometry.h"

namespace vorn {

SdlPlatform::SdlPlatform() : SdlPlatform(windowedByEnvironment()) {}

SdlPlatform::SdlPlatform(bool windowed)
    : window(windowed, kScreenWidth, kScreenHeight),
      display(window),
      keyboard(window),
      messages(window),
      dialogs(window, display),
      platform_{display, keyboard, sound, messages, window, clock, cursor, dialogs} {}

bool SdlPlatform::windowedByEnvironment() {
    const char* value = std::getenv("VORN_WINDOWED");
    return value && std::strcmp(value, "1") == 0;
}

}  // namespace vorn

#include "platform/sdl/SdlMessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/Windows1252.h"
#include "platform/sdl/SdlWindow.h"

namespace vorn {

SdlMessageBox::SdlMessageBox(SdlWindow& window) : window_(window) {
    const char* off = std::getenv("VORN_NO_MESSAGE_BOX");
    boxes_ = !(off && std::strcmp(off, "1") == 0);
}

void SdlMessageBox::show(const std::string& text) {
    // Texts are UTF-8; a stray byte from an old file is read as the game's own code page.
    const std::string utf8 = isValidUtf8(text) ? text : windows1252ToUtf8(text);
    std::fprintf(stderr, "%s\n", utf8.c_str());
    std::fflush(stderr);
    if (!boxes_ || !window_.sdl()) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Vorn!", utf8.c_str(), window_.sdl());
}

}  // namespace vorn

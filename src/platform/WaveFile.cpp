#include "platform/WaveFile.h"

#include <SDL.h>

#include <filesystem>

#include "core/Error.h"

namespace vorn {

void checkWaveFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw VornError(kErrFileNotFound, "File not found");
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &format, &data, &length))
        throw VornError(kErrPathAccess, std::string("Bad wave file (") + SDL_GetError() + ")");
    SDL_FreeWAV(data);
}

}  // namespace vorn

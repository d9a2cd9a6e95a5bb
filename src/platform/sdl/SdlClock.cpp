#include "platform/sdl/SdlClock.h"

#include <SDL.h>

#include <chrono>

namespace vorn {

uint32_t SdlClock::milliseconds() {
    // The monotonic clock counts from the machine's start and never jumps with the date.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SdlClock::sleep(uint32_t ms) { SDL_Delay(ms); }

uint64_t SdlClock::seedFromTime() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace vorn

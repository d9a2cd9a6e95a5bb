// The program on the real platform: SDL for the window, the display, the keyboard and sound.
#include "app/Main.h"

#include <cstdio>
#include <exception>

#include "platform/ProcessInfo.h"
#include "platform/sdl/SdlPlatform.h"

int main(int argc, char** argv) {
    try {
        vorn::SdlPlatform sdl;
        return vorn::Main(sdl.platform(), vorn::programFolder(), vorn::commandLine(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorn! - %s\n", e.what());
        return vorn::kExitAtOnce;
    }
}

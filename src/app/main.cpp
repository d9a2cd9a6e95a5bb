// The program on the real platform: SDL for the window, the display, the keyboard and sound.
// The command line is read before anything opens, so a wrong option ends the program before
// a window shows.
#include "app/Main.h"

#include <cstdio>
#include <exception>

#include "app/CommandLine.h"
#include "app/GamePaths.h"
#include "platform/ProcessInfo.h"
#include "platform/sdl/RealPlatform.h"

int main(int argc, char** argv) {
    const vorn::CommandLine line = vorn::parseCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "vorn: %s\n%s", line.error.c_str(), vorn::usageText().c_str());
        return vorn::kExitBadCommandLine;
    }
    if (line.action == vorn::CommandLine::Action::Version) {
        std::printf("%s\n", vorn::versionText().c_str());
        return vorn::kExitOrderly;
    }
    try {
        const vorn::GamePaths paths =
            vorn::findGamePaths(vorn::pathSettings(vorn::programFolder(), line.levelSet));
        if (line.action == vorn::CommandLine::Action::Help) {
            std::fputs(vorn::helpText(paths).c_str(), stdout);
            return vorn::kExitOrderly;
        }
        vorn::RealPlatform real(line.windowed);
        real.setIcon((paths.data / "Icon.bmp").string());
        return vorn::Main(real.platform(), paths, line.developerMode, line.replay);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorn! - %s\n", e.what());
        return vorn::kExitAtOnce;
    }
}

#include "app/Main.h"

#include <memory>

#include "app/Globals.h"
#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {

bool isDeveloperWord(const std::string& commandLine) {
    std::string upper = commandLine;
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return upper == "SANDBOX";
}

int Main(Platform& platform, const std::filesystem::path& programFolder, const std::string& commandLine) {
    // Every data file is opened by its bare name from here on.
    std::error_code ec;
    std::filesystem::current_path(programFolder, ec);
    if (ec) throw VornError(kErrPathAccess, "The program's folder cannot be entered (" + ec.message() + ")");

    Globals globals;
    globals.gDevMode = isDeveloperWord(commandLine);

    frmMain form(platform.window, globals);
    form.Load();

    auto game = std::make_unique<Game>(platform);
    globals.gGame = game.get();

    // The failing operation has shown its own message; an immediate end saves nothing.
    if (!game->Initialize(platform.window, globals.gDevMode) || !MainLoop(platform, globals).run()) {
        game->abandonWithoutSaving();
        return kExitAtOnce;
    }

    // The game writes the options and the high scores as it goes.
    game.reset();
    globals.gGame = nullptr;
    form.Unload();
    return kExitOrderly;
}

}  // namespace vorn

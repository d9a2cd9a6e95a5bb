#include "app/Main.h"

#include <filesystem>
#include <memory>

#include "app/Globals.h"
#include "app/MainLoop.h"
#include "app/frmMain.h"
#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {

int Main(Platform& platform, const GamePaths& paths, bool developerMode) {
    // The pictures and sounds are opened by their bare names from here on, and so is every
    // file that stays beside them.
    std::error_code ec;
    std::filesystem::current_path(paths.data, ec);
    if (ec) throw VornError(kErrPathAccess, "The data folder cannot be entered (" + ec.message() + ")");

    Globals globals;
    globals.gDevMode = developerMode;

    frmMain form(platform.window, globals);
    form.Load();

    auto game = std::make_unique<Game>(platform);
    game->folders = paths.folders;
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

#include "app/Main.h"

#include <filesystem>
#include <memory>

#include "app/Globals.h"
#include "app/MainLoop.h"
#include "app/ReplayKeeper.h"
#include "app/ReplayViewer.h"
#include "app/frmMain.h"
#include "core/Error.h"
#include "game/state/Game.h"

namespace vorn {

int Main(Platform& platform, const GamePaths& paths, bool developerMode,
         const std::filesystem::path& replay) {
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

    // The replays are kept beside the high scores.
    const std::filesystem::path replays = paths.shown(paths.folders.highScores) / "replays";
    ReplayKeeper keeper(*game, replays);
    ReplayViewer viewer(*game, platform.keyboard, platform.messages, replays);
    globals.gReplayKeeper = &keeper;
    globals.gReplayViewer = &viewer;

    // The failing operation has shown its own message; an immediate end saves nothing.
    if (!game->Initialize(globals.gDevMode)) {
        game->abandonWithoutSaving();
        return kExitAtOnce;
    }
    // A replay asked for on the command line plays first; refused (with its message), the title
    // screen shows.
    if (!replay.empty()) (void)viewer.watch(replay);
    if (!MainLoop(platform, globals).run()) {
        game->abandonWithoutSaving();
        return kExitAtOnce;
    }

    // A game still in play ends with the program. The options and the high scores are written
    // once, at this orderly end: the Game writes both files as game.reset() destroys it.
    viewer.stop();
    keeper.gameEnded(GameEnd::Closed);
    globals.gReplayKeeper = nullptr;
    globals.gReplayViewer = nullptr;
    game.reset();
    globals.gGame = nullptr;
    form.Unload();
    return kExitOrderly;
}

}  // namespace vorn

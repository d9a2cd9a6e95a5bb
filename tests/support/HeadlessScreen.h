// The game on the headless platform, set up from the current folder's data, to draw what the
// real program ought to show: an end-to-end test sets the world as the player's keys should
// have left it and compares the two screens.
#pragma once

#include <memory>

#include "game/state/Game.h"
#include "platform/headless/Headless.h"

namespace vorn::test {

class HeadlessScreen {
public:
    // The game reads its files from the current folder, or from the given folders.
    explicit HeadlessScreen(bool devMode = false, const GameFolders& folders = {});
    HeadlessScreen(const HeadlessScreen&) = delete;
    HeadlessScreen& operator=(const HeadlessScreen&) = delete;

    bool ok() const { return ok_; }
    // Draws one frame as the main loop does and gives a copy of what was presented.
    std::shared_ptr<const Surface> draw();
    // A copy of what was presented last (e.g. the "Next Level" screen right after StartGame).
    std::shared_ptr<const Surface> screen();

    HeadlessPlatform host;
    Game game;

private:
    bool ok_ = false;
};

}  // namespace vorn::test

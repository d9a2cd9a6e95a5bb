#include "support/HeadlessScreen.h"

namespace vorn::test {

HeadlessScreen::HeadlessScreen(bool devMode, const GameFolders& folders) : game(host.platform()) {
    // The folder belongs to the program under test: this copy of the game writes nothing.
    game.abandonWithoutSaving();
    game.folders = folders;
    ok_ = game.Initialize(devMode);
}

std::shared_ptr<const Surface> HeadlessScreen::draw() {
    (void)game.DrawFrame();  // a failure is a recorded message, which the screen then lacks
    return screen();
}

std::shared_ptr<const Surface> HeadlessScreen::screen() {
    const SurfaceRef shown = host.display.primary();
    auto copy = std::make_shared<Surface>(shown->width(), shown->height());
    copy->copyAll(*shown);
    return copy;
}

}  // namespace vorn::test

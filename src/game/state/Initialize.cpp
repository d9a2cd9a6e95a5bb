// Start-up of the one Game: engines, the loading picture, then every file in a fixed order.
// The first step that fails ends the start-up; the loaders have shown their own messages.
#include "core/Error.h"
#include "devinfo/DevInfo.h"
#include "engines/VBGE.h"
#include "engines/VBIE.h"
#include "engines/VBSE.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

// The glyphs are made now, so a missing font stops the start-up instead of the first frame.
void setFont(Font& font, int size) {
    font.setName("Comic Sans MS");
    font.setSize(size);
    font.load();
}

}  // namespace

bool Game::Initialize(bool devMode) {
    return trapErrors(platform.messages, "Game - Initialize - ", [&] {
        platform.cursor.showCursor(false);
        for (ParticleSystem& system : ParticleSystems) system = ParticleSystem{};
        DevMode = devMode;
        Rng.seed(platform.clock.seedFromTime());

        // Without its overlay a developer run is no use; the program then ends at once.
        if (DevMode) {
            FrameRateInfo = std::make_unique<DevInfo>(platform.clock, platform.messages);
            if (!FrameRateInfo->Initialize(graphics())) return false;
        }

        InputEngine = std::make_unique<VBIE>(platform.keyboard, platform.messages);
        if (!InputEngine->Initialize()) return false;
        SoundEngine = std::make_unique<VBSE>(platform.sound, platform.messages);
        if (!SoundEngine->Initialize()) return false;
        if (!graphics().Initialize(kScreenWidth, kScreenHeight, 16)) return false;

        // The loading picture shows while everything else loads.
        if (!graphics().LoadBitmap("Loading.bmp", SurfLoading)) return false;
        doEvents();
        if (!ShowBitmap(*SurfLoading, true)) return false;

        if (!LoadGameOptions()) return false;
        if (!LoadSounds()) return false;
        if (!LoadGraphics()) return false;
        if (!LoadLevels()) return false;
        if (!LoadHighScores()) return false;

        setFont(FontMedium, 12);
        setFont(FontLarge, 16);
        setFont(FontSmall, 8);

        GameState = kTitle;
        Initialized = true;
        return true;
    });
}

}  // namespace vorn

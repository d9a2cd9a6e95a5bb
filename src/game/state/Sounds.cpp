// The seventeen sound effects. Every file must load, whether sound effects are on or not,
// so that switching them on in the options makes the very next event audible.
#include <algorithm>

#include "core/Error.h"
#include "engines/VBSE.h"
#include "game/state/Game.h"

namespace vorn {

namespace {

struct SoundFile {
    const char* name;
    SoundRef Game::*member;
    bool highQuality;
};

// The pick-up and announcement sounds are longer and get the better quality.
constexpr SoundFile kSoundFiles[] = {
    {"Shoot.wav", &Game::SndShoot, false},
    {"Boing.wav", &Game::SndBoing, false},
    {"GetReady.wav", &Game::SndGetReady, true},
    {"GameOver.wav", &Game::SndGameOver, false},
    {"Hit.wav", &Game::SndHit, false},
    {"Powerup.wav", &Game::SndPowerup, false},
    {"Crystal.wav", &Game::SndCrystal, false},
    {"BombHit.wav", &Game::SndBombHit, false},
    {"HitBomb.wav", &Game::SndHitBomb, false},
    {"Explosion.wav", &Game::SndExplosion, false},
    {"Teleport.wav", &Game::SndTeleport, false},
    {"Jump.wav", &Game::SndJump, false},
    {"ExtraHealth.wav", &Game::SndExtraHealth, true},
    {"Speed.wav", &Game::SndSpeed, true},
    {"HyperJump.wav", &Game::SndHyperJump, true},
    {"BallBlaster.wav", &Game::SndBallBlaster, true},
    {"Invulnerability.wav", &Game::SndInvulnerability, true},
};

}  // namespace

bool Game::LoadSounds() {
    return trapErrors(platform.messages, "Game - LoadSounds - ", [&] {
        // The sound engine has shown its own message for a file that did not load.
        return std::ranges::all_of(kSoundFiles, [&](const SoundFile& file) {
            return sound().LoadSound(file.name, this->*file.member, file.highQuality);
        });
    });
}

bool Game::playSound(const SoundRef& buffer) {
    if (SoundEffects == 0) return true;
    return sound().PlaySound(buffer);
}

VBSE& Game::sound() {
    if (!SoundEngine) SoundEngine = std::make_unique<VBSE>(platform.sound, platform.messages);
    return *SoundEngine;
}

}  // namespace vorn

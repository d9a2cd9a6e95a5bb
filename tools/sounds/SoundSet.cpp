#include "SoundSet.h"

namespace vorn::sounds {

const std::array<SoundRecipe, 17>& soundSet() {
    static const std::array<SoundRecipe, 17> kSet = {{
        {"Shoot.wav", false, shoot},
        {"Boing.wav", false, boing},
        {"GetReady.wav", true, getReady},
        {"GameOver.wav", false, gameOver},
        {"Hit.wav", false, hit},
        {"Powerup.wav", false, powerup},
        {"Crystal.wav", false, crystal},
        {"BombHit.wav", false, bombHit},
        {"HitBomb.wav", false, hitBomb},
        {"Explosion.wav", false, explosion},
        {"Teleport.wav", false, teleport},
        {"Jump.wav", false, jump},
        {"ExtraHealth.wav", true, extraHealth},
        {"Speed.wav", true, speed},
        {"HyperJump.wav", true, hyperJump},
        {"BallBlaster.wav", true, ballBlaster},
        {"Invulnerability.wav", true, invulnerability},
    }};
    return kSet;
}

}  // namespace vorn::sounds

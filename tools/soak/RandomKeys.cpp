#include "RandomKeys.h"

#include "Simulator.h"

namespace vorn::soak {

namespace {

constexpr KeySet kLeft = 1 << 0, kRight = 1 << 1, kUp = 1 << 2, kDown = 1 << 3, kSpace = 1 << 4;
constexpr KeySet kFireKeys[] = {1 << 5, 1 << 6, 1 << 7, 1 << 8};
static_assert(sim::kKeyNames[0].code == key::Left && sim::kKeyNames[1].code == key::Right &&
              sim::kKeyNames[2].code == key::Up && sim::kKeyNames[3].code == key::Down &&
              sim::kKeyNames[4].code == key::Space && sim::kKeyNames[5].code == key::LCtrl &&
              sim::kKeyNames[8].code == key::RCtrl);

constexpr int kLongestHold = 90;  // three seconds

}  // namespace

// The input stream is kept apart from the game's own generator, which the seed also starts.
RandomKeys::RandomKeys(uint64_t seed, int level)
    : rng_(seed * 1000003u + static_cast<uint64_t>(level) * 7919u + 0x50a4u) {}

KeySet RandomKeys::next() {
    if (framesLeft_ == 0) {
        held_ = choose();
        // Mostly short taps and steps, now and then a long run or a held jump.
        const float r = rng_.draw();
        framesLeft_ = 1 + static_cast<int>(r * r * kLongestHold);
    }
    --framesLeft_;
    return held_;
}

KeySet RandomKeys::choose() {
    KeySet keys = 0;
    const float move = rng_.draw();
    if (move < 0.35f)
        keys |= kLeft;
    else if (move < 0.70f)
        keys |= kRight;
    else if (move < 0.80f)
        keys |= kLeft | kRight;

    const float jump = rng_.draw();
    if (jump < 0.15f)
        keys |= kUp;
    else if (jump < 0.30f)
        keys |= kSpace;
    else if (jump < 0.35f)
        keys |= kUp | kSpace;

    if (rng_.draw() < 0.12f) keys |= kDown;

    // Any of the four fire keys, alone or together.
    if (rng_.draw() < 0.35f) {
        for (KeySet fire : kFireKeys)
            if (rng_.draw() < 0.4f) keys |= fire;
        if (!(keys & (kFireKeys[0] | kFireKeys[1] | kFireKeys[2] | kFireKeys[3])))
            keys |= kFireKeys[static_cast<int>(rng_.draw() * 4.0f)];
    }
    return keys;
}

}  // namespace vorn::soak

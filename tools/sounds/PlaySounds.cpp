// What the player hears while things happen on the screen. These play often, several in one
// frame, so they are short and keep out of each other's way: thuds low, shots and hits high.
#include "SoundSet.h"

namespace vorn::sounds {

// A quick falling "pew": a narrow square dropping two octaves, darkening as it goes.
Track shoot(int rate) {
    Track t(rate, 0.17);
    t.add(0.0, Tone{.wave = Wave::Square,
                    .seconds = 0.16,
                    .fromHz = 1500,
                    .toHz = 330,
                    .duty = 0.3,
                    .lowPassHz = 3400,
                    .lowPassToHz = 900,
                    .envelope = {.attack = 0.002, .decay = 0.15, .sustain = 0.0, .curve = 1.6}});
    t.add(0.0, Hiss{.seconds = 0.03,
                    .lowPassHz = 3000,
                    .envelope = {.attack = 0.001, .decay = 0.028, .sustain = 0.0},
                    .gain = 0.35,
                    .seed = 11});
    return t;
}

// A spring: the pitch jumps up and wobbles fast, the wobble dying away with the sound.
Track boing(int rate) {
    Track t(rate, 0.55);
    Envelope twang{.attack = 0.004, .decay = 0.52, .sustain = 0.0, .curve = 1.4};
    t.add(0.0, Tone{.wave = Wave::Triangle,
                    .seconds = 0.54,
                    .fromHz = 140,
                    .toHz = 330,
                    .glide = 0.09,
                    .vibratoHz = 15,
                    .vibratoSemitones = 3.0,
                    .vibratoFade = 0.5,
                    .envelope = twang});
    t.add(0.0, Tone{.wave = Wave::Square,
                    .seconds = 0.54,
                    .fromHz = 280,
                    .toHz = 660,
                    .glide = 0.09,
                    .vibratoHz = 15,
                    .vibratoSemitones = 3.0,
                    .vibratoFade = 0.5,
                    .lowPassHz = 1600,
                    .lowPassToHz = 500,
                    .envelope = twang,
                    .gain = 0.35});
    return t;
}

// A small dry knock: a dropping blip with a tick of noise in front.
Track hit(int rate) {
    Track t(rate, 0.1);
    t.add(0.0, Tone{.wave = Wave::Sine,
                    .seconds = 0.09,
                    .fromHz = 620,
                    .toHz = 240,
                    .glide = 0.06,
                    .envelope = {.attack = 0.002, .decay = 0.085, .sustain = 0.0, .curve = 1.8}});
    t.add(0.0, Hiss{.seconds = 0.025,
                    .lowPassHz = 2200,
                    .lowPassToHz = 900,
                    .envelope = {.attack = 0.001, .decay = 0.024, .sustain = 0.0},
                    .gain = 0.5,
                    .seed = 23});
    return t;
}

// A heavy iron ball landing: a low clonk, a short metallic ring and a scrape of grit.
Track bombHit(int rate) {
    Track t(rate, 0.24);
    t.add(0.0, Tone{.wave = Wave::Square,
                    .seconds = 0.22,
                    .fromHz = 150,
                    .toHz = 70,
                    .glide = 0.1,
                    .lowPassHz = 900,
                    .lowPassToHz = 300,
                    .envelope = {.attack = 0.002, .decay = 0.21, .sustain = 0.0, .curve = 1.8}});
    t.add(0.0, Tone{.wave = Wave::Sine,
                    .seconds = 0.14,
                    .fromHz = 390,
                    .envelope = {.attack = 0.002, .decay = 0.13, .sustain = 0.0, .curve = 2.5},
                    .gain = 0.3});
    t.add(0.0, Hiss{.seconds = 0.08,
                    .holdHz = 2500,
                    .holdToHz = 900,
                    .lowPassHz = 1400,
                    .lowPassToHz = 400,
                    .envelope = {.attack = 0.001, .decay = 0.075, .sustain = 0.0},
                    .gain = 0.5,
                    .seed = 37});
    return t;
}

// The ball glancing off a bomb: a bright, slightly out-of-tune clink.
Track hitBomb(int rate) {
    Track t(rate, 0.15);
    Envelope clink{.attack = 0.001, .decay = 0.13, .sustain = 0.0, .curve = 2.2};
    t.add(0.0, Tone{.wave = Wave::Square,
                    .seconds = 0.14,
                    .fromHz = 1100,
                    .toHz = 820,
                    .glide = 0.05,
                    .duty = 0.25,
                    .lowPassHz = 3000,
                    .envelope = clink});
    t.add(0.0, Tone{.wave = Wave::Sine, .seconds = 0.14, .fromHz = 1630, .envelope = clink, .gain = 0.5});
    t.add(0.0, Hiss{.seconds = 0.02,
                    .lowPassHz = 3500,
                    .envelope = {.attack = 0.001, .decay = 0.019, .sustain = 0.0},
                    .gain = 0.4,
                    .seed = 41});
    return t;
}

// A blast that settles: coarse noise whose grain and brightness fall away, over a deep thump.
Track explosion(int rate) {
    Track t(rate, 1.0);
    t.add(0.0, Hiss{.seconds = 0.98,
                    .holdHz = 3200,
                    .holdToHz = 220,
                    .lowPassHz = 3600,
                    .lowPassToHz = 260,
                    .envelope = {.attack = 0.003, .decay = 0.95, .sustain = 0.0, .curve = 2.0},
                    .seed = 53});
    t.add(0.0, Hiss{.seconds = 0.6,
                    .lowPassHz = 700,
                    .lowPassToHz = 150,
                    .envelope = {.attack = 0.003, .decay = 0.58, .sustain = 0.0, .curve = 1.6},
                    .gain = 0.8,
                    .seed = 59});
    t.add(0.0, Tone{.wave = Wave::Sine,
                    .seconds = 0.35,
                    .fromHz = 110,
                    .toHz = 45,
                    .envelope = {.attack = 0.003, .decay = 0.34, .sustain = 0.0, .curve = 1.5},
                    .gain = 0.5});
    return t;
}

// Dissolving upwards: a warbling pair of voices climbing two and a half octaves and fading.
Track teleport(int rate) {
    Track t(rate, 1.2);
    Envelope shimmer{.attack = 0.06, .decay = 0.0, .sustain = 1.0, .release = 0.45, .curve = 1.5};
    t.add(0.0, Tone{.wave = Wave::Square,
                    .seconds = 1.18,
                    .fromHz = 260,
                    .toHz = 1500,
                    .vibratoHz = 22,
                    .vibratoSemitones = 2.5,
                    .lowPassHz = 1800,
                    .lowPassToHz = 3400,
                    .envelope = shimmer,
                    .gain = 0.6});
    t.add(0.0, Tone{.wave = Wave::Triangle,
                    .seconds = 1.18,
                    .fromHz = 390,
                    .toHz = 2250,
                    .vibratoHz = 17,
                    .vibratoSemitones = 2.0,
                    .envelope = shimmer,
                    .gain = 0.7});
    return t;
}

// A short rising "bwip" that stays out of the way, since it sounds with every jump.
Track jump(int rate) {
    Track t(rate, 0.18);
    t.add(0.0, Tone{.wave = Wave::Square,
                    .seconds = 0.17,
                    .fromHz = 230,
                    .toHz = 690,
                    .glide = 0.13,
                    .lowPassHz = 1400,
                    .lowPassToHz = 2400,
                    .envelope = {.attack = 0.003, .decay = 0.16, .sustain = 0.0, .curve = 1.3}});
    return t;
}

}  // namespace vorn::sounds

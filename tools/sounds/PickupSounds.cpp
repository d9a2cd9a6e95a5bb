// Picking things up. Every pick-up is bright and rising; each power-up has a shape of its own
// so the player can tell by ear what was taken.
#include "SoundSet.h"

namespace vorn::sounds {

// A sparkly double ping, the second a fifth above the first, each with a brief glint on top.
Track crystal(int rate) {
    Track t(rate, 0.42);
    Envelope ping{.attack = 0.002, .decay = 0.3, .sustain = 0.0, .curve = 2.2};
    Envelope glint{.attack = 0.001, .decay = 0.07, .sustain = 0.0, .curve = 2.0};
    t.add(0.0, Tone{.wave = Wave::Sine, .seconds = 0.32, .fromHz = pitch("E6"), .envelope = ping});
    t.add(
        0.0,
        Tone{
            .wave = Wave::Sine, .seconds = 0.08, .fromHz = 2 * pitch("E6"), .envelope = glint, .gain = 0.35});
    t.add(0.07, Tone{.wave = Wave::Sine, .seconds = 0.34, .fromHz = pitch("B6"), .envelope = ping});
    t.add(
        0.07,
        Tone{.wave = Wave::Triangle, .seconds = 0.08, .fromHz = pitch("B6"), .envelope = glint, .gain = 0.4});
    return t;
}

// The rescue: a bright arpeggio climbing two octaves, the chord ringing on at the top.
Track powerup(int rate) {
    Track t(rate, 0.95);
    Tone chip{.wave = Wave::Square,
              .duty = 0.25,
              .lowPassHz = 2600,
              .envelope = {.attack = 0.003, .decay = 0.3, .sustain = 0.0, .release = 0.02, .curve = 1.5},
              .gain = 0.55};
    Tone bell{.wave = Wave::Sine,
              .envelope = {.attack = 0.003, .decay = 0.45, .sustain = 0.0, .curve = 2.0},
              .gain = 0.5};
    double step = 0.07;
    for (const Tone& voice : {chip, bell}) {
        t.tune(0.0, voice,
               {{pitch("C5"), step, 0.35},
                {pitch("E5"), step, 0.35},
                {pitch("G5"), step, 0.35},
                {pitch("C6"), step, 0.35},
                {pitch("E6"), step, 0.35},
                {pitch("G6"), step, 0.45}});
    }
    t.add(6 * step, Tone{.wave = Wave::Triangle,
                         .seconds = 0.5,
                         .fromHz = pitch("C6"),
                         .vibratoHz = 6,
                         .vibratoSemitones = 0.2,
                         .envelope = {.attack = 0.01, .decay = 0.48, .sustain = 0.0, .curve = 1.6},
                         .gain = 0.6});
    return t;
}

// A heartbeat, "ba-dum", and then a warm chime.
Track extraHealth(int rate) {
    Track t(rate, 0.85);
    // A square through a low filter, so the beat still carries on small speakers.
    Tone beat{.wave = Wave::Square,
              .seconds = 0.1,
              .fromHz = 130,
              .toHz = 65,
              .lowPassHz = 700,
              .lowPassToHz = 250,
              .envelope = {.attack = 0.003, .decay = 0.095, .sustain = 0.0, .curve = 1.6}};
    t.add(0.0, beat);
    t.add(0.15, beat);
    Envelope chime{.attack = 0.004, .decay = 0.5, .sustain = 0.0, .curve = 2.0};
    t.add(
        0.3,
        Tone{.wave = Wave::Triangle, .seconds = 0.52, .fromHz = pitch("C6"), .envelope = chime, .gain = 0.6});
    t.add(
        0.33,
        Tone{.wave = Wave::Triangle, .seconds = 0.5, .fromHz = pitch("G6"), .envelope = chime, .gain = 0.45});
    t.add(0.3, Tone{.wave = Wave::Sine,
                    .seconds = 0.52,
                    .fromHz = pitch("E6"),
                    .vibratoHz = 5.5,
                    .vibratoSemitones = 0.15,
                    .envelope = chime,
                    .gain = 0.4});
    return t;
}

// Revving up: a chopped saw racing up three octaves through an opening filter, with a whoosh.
Track speed(int rate) {
    Track t(rate, 0.66);
    Envelope rev{.attack = 0.01, .decay = 0.0, .sustain = 1.0, .release = 0.18, .curve = 1.5};
    t.add(0.0, Tone{.wave = Wave::Saw,
                    .seconds = 0.64,
                    .fromHz = 160,
                    .toHz = 1400,
                    .glide = 0.5,
                    .tremoloHz = 26,
                    .tremoloDepth = 0.8,
                    .lowPassHz = 900,
                    .lowPassToHz = 6000,
                    .envelope = rev});
    t.add(0.0, Hiss{.seconds = 0.64,
                    .lowPassHz = 600,
                    .lowPassToHz = 7000,
                    .envelope = rev,
                    .gain = 0.3,
                    .seed = 71});
    return t;
}

// Springs, each leap higher than the last, the top one left wobbling.
Track hyperJump(int rate) {
    Track t(rate, 0.7);
    Tone leap{.wave = Wave::Square,
              .seconds = 0.15,
              .fromHz = 200,
              .toHz = 500,
              .glide = 0.11,
              .lowPassHz = 2500,
              .envelope = {.attack = 0.003, .decay = 0.14, .sustain = 0.3, .release = 0.02, .curve = 1.3},
              .gain = 0.8};
    t.tune(0.0, leap, {{200, 0.14}, {300, 0.14}});
    Tone top = leap;
    top.seconds = 0.4;
    top.fromHz = 400;
    top.toHz = 1000;
    top.vibratoHz = 14;
    top.vibratoSemitones = 1.5;
    top.lowPassToHz = 4000;
    top.envelope = {.attack = 0.003, .decay = 0.38, .sustain = 0.0, .curve = 1.4};
    t.add(0.28, top);
    return t;
}

// Three laser chirps, each starting higher, then a chord that locks the weapon in.
Track ballBlaster(int rate) {
    Track t(rate, 0.68);
    Tone chirp{.wave = Wave::Square,
               .seconds = 0.09,
               .fromHz = 1200,
               .toHz = 400,
               .duty = 0.3,
               .lowPassHz = 5000,
               .lowPassToHz = 1500,
               .envelope = {.attack = 0.002, .decay = 0.085, .sustain = 0.0, .curve = 1.4},
               .gain = 0.8};
    t.tune(0.0, chirp, {{1200, 0.1}, {1600, 0.1}, {2000, 0.12}});
    Envelope lock{.attack = 0.004, .decay = 0.34, .sustain = 0.0, .curve = 1.7};
    t.add(0.32, Tone{.wave = Wave::Square,
                     .seconds = 0.35,
                     .fromHz = pitch("A5"),
                     .lowPassHz = 3000,
                     .envelope = lock,
                     .gain = 0.5});
    t.add(0.32, Tone{.wave = Wave::Square,
                     .seconds = 0.35,
                     .fromHz = pitch("E6"),
                     .duty = 0.25,
                     .lowPassHz = 4000,
                     .envelope = lock,
                     .gain = 0.4});
    return t;
}

// A shimmering shield: a pulsing open chord that swells in, with a sweep rising through it. A
// bell strikes at once, so the pick-up is heard the moment it happens.
Track invulnerability(int rate) {
    Track t(rate, 1.0);
    Envelope swell{.attack = 0.08, .decay = 0.0, .sustain = 1.0, .release = 0.45, .curve = 1.5};
    t.add(0.0, Tone{.wave = Wave::Triangle,
                    .seconds = 0.98,
                    .fromHz = pitch("E5"),
                    .vibratoHz = 5.3,
                    .vibratoSemitones = 0.15,
                    .tremoloHz = 12,
                    .tremoloDepth = 0.6,
                    .envelope = swell,
                    .gain = 0.5});
    t.add(0.0, Tone{.wave = Wave::Triangle,
                    .seconds = 0.98,
                    .fromHz = pitch("B5"),
                    .vibratoHz = 6.1,
                    .vibratoSemitones = 0.15,
                    .tremoloHz = 12,
                    .tremoloDepth = 0.6,
                    .envelope = swell,
                    .gain = 0.4});
    t.add(0.0, Tone{.wave = Wave::Triangle,
                    .seconds = 0.98,
                    .fromHz = pitch("E6"),
                    .vibratoHz = 4.7,
                    .vibratoSemitones = 0.15,
                    .tremoloHz = 12,
                    .tremoloDepth = 0.6,
                    .envelope = swell,
                    .gain = 0.35});
    t.add(
        0.0,
        Tone{
            .wave = Wave::Sine, .seconds = 0.9, .fromHz = 600, .toHz = 2400, .envelope = swell, .gain = 0.2});
    t.add(0.0, Tone{.wave = Wave::Sine,
                    .seconds = 0.2,
                    .fromHz = pitch("B6"),
                    .envelope = {.attack = 0.002, .decay = 0.19, .sustain = 0.0, .curve = 2.2},
                    .gain = 0.4});
    return t;
}

}  // namespace vorn::sounds

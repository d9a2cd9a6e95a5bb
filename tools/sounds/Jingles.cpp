// The two little tunes that frame play: a bright fanfare while a level is announced, and a
// falling phrase that comes to rest at the end of a game (won or lost alike, so it settles on
// the home note rather than sounding like a failure).
#include "SoundSet.h"

namespace vorn::sounds {

Track getReady(int rate) {
    Track t(rate, 1.75);
    Tone lead{.wave = Wave::Square,
              .duty = 0.25,
              .lowPassHz = 4500,
              .envelope = {.attack = 0.005, .decay = 0.08, .sustain = 0.55, .release = 0.03, .curve = 1.5},
              .gain = 0.6};
    double end = t.tune(0.0, lead,
                        {{pitch("C5"), 0.12, 0.1},
                         {pitch("E5"), 0.12, 0.1},
                         {pitch("G5"), 0.12, 0.1},
                         {pitch("C6"), 0.24, 0.21},
                         {pitch("A5"), 0.12, 0.1},
                         {pitch("B5"), 0.12, 0.1}});
    Tone last = lead;
    last.seconds = 0.7;
    last.fromHz = pitch("C6");
    last.vibratoHz = 6;
    last.vibratoSemitones = 0.25;
    last.envelope = {.attack = 0.005, .decay = 0.1, .sustain = 0.6, .release = 0.3, .curve = 1.5};
    t.add(end, last);

    Tone bass{.wave = Wave::Triangle,
              .envelope = {.attack = 0.005, .decay = 0.15, .sustain = 0.5, .release = 0.04, .curve = 1.5},
              .gain = 0.8};
    t.tune(0.0, bass,
           {{pitch("C4"), 0.36, 0.32},
            {pitch("F4"), 0.24, 0.22},
            {pitch("G4"), 0.24, 0.22},
            {pitch("C4"), 0.7, 0.7}});
    return t;
}

Track gameOver(int rate) {
    Track t(rate, 2.3);
    // Each note sags a little as it sounds.
    Tone lead{.wave = Wave::Square,
              .fromHz = 1000,
              .toHz = 985,
              .lowPassHz = 1600,
              .envelope = {.attack = 0.006, .decay = 0.12, .sustain = 0.6, .release = 0.05, .curve = 1.5},
              .gain = 0.6};
    double end = t.tune(0.0, lead,
                        {{pitch("G5"), 0.22, 0.2},
                         {pitch("Eb5"), 0.22, 0.2},
                         {pitch("C5"), 0.22, 0.2},
                         {pitch("G4"), 0.3, 0.28},
                         {pitch("Ab4"), 0.22, 0.2},
                         {pitch("G4"), 0.22, 0.2}});
    Tone last = lead;
    last.seconds = 2.28 - end;
    last.fromHz = pitch("C5");
    last.toHz = 0.0;
    last.vibratoHz = 5;
    last.vibratoSemitones = 0.3;
    last.lowPassToHz = 500;
    last.envelope = {.attack = 0.006, .decay = 0.2, .sustain = 0.6, .release = 0.5, .curve = 1.5};
    t.add(end, last);
    t.add(end, Tone{.wave = Wave::Triangle,
                    .seconds = 2.28 - end,
                    .fromHz = pitch("C4"),
                    .envelope = last.envelope,
                    .gain = 0.6});
    return t;
}

}  // namespace vorn::sounds

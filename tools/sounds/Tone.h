// One pitched voice: a waveform that may slide from one pitch to another, wobble (vibrato) or
// pulse in loudness (tremolo), pass through a low-pass filter and follow an envelope. Every
// effect is a few of these, mixed by a Track.
#pragma once

#include <vector>

#include "Envelope.h"
#include "Oscillator.h"

namespace vorn::sounds {

struct Tone {
    Wave wave = Wave::Sine;
    double seconds = 0.2;
    double fromHz = 440.0;
    double toHz = 0.0;   // 0: no slide
    double glide = 0.0;  // seconds the slide takes; 0: the whole voice
    double duty = 0.5;   // squares only
    double vibratoHz = 0.0;
    double vibratoSemitones = 0.0;
    double vibratoFade = 0.0;  // seconds until the wobble has died away; 0: it never does
    double tremoloHz = 0.0;
    double tremoloDepth = 0.0;  // 0..1
    double lowPassHz = 0.0;     // 0: unfiltered
    double lowPassToHz = 0.0;   // 0: the filter stays put
    Envelope envelope;
    double gain = 1.0;

    std::vector<float> render(int rate) const;
};

}  // namespace vorn::sounds

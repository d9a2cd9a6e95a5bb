// The canvas one sound effect is drawn on: voices and tunes are mixed in at their start times,
// then `finish` fades the very ends, evens the loudness out and hands back the samples.
#pragma once

#include <initializer_list>
#include <vector>

#include "Hiss.h"
#include "Note.h"
#include "Tone.h"

namespace vorn::sounds {

class Track {
public:
    Track(int rate, double seconds);

    int rate() const { return rate_; }
    void add(double at, const Tone& tone);
    void add(double at, const Hiss& hiss);
    // Plays the notes one after another with `voice`; a voice that slides keeps its slide,
    // moved to each note's pitch. Returns the time after the last note.
    double tune(double at, const Tone& voice, std::initializer_list<Note> notes);

    // The finished sound, at the given loudness (see activeRms). Throws std::runtime_error if
    // that would push a peak above `peakLimit`.
    std::vector<float> finish(double targetRms, double peakLimit) const;

    static constexpr double kFadeIn = 0.005;   // seconds
    static constexpr double kFadeOut = 0.010;  // seconds

private:
    void mix(double at, const std::vector<float>& voice);

    int rate_;
    std::vector<float> samples_;
};

}  // namespace vorn::sounds

#include "Track.h"

#include <stdexcept>
#include <string>

#include "Loudness.h"
#include "PortableMath.h"

namespace vorn::sounds {

Track::Track(int rate, double seconds)
    : rate_(rate), samples_(static_cast<size_t>(roundHalfAway(seconds * rate))) {}

void Track::add(double at, const Tone& tone) { mix(at, tone.render(rate_)); }

void Track::add(double at, const Hiss& hiss) { mix(at, hiss.render(rate_)); }

double Track::tune(double at, const Tone& voice, std::initializer_list<Note> notes) {
    for (const Note& note : notes) {
        if (note.hz > 0.0) {
            Tone tone = voice;
            tone.seconds = note.length > 0.0 ? note.length : note.step;
            tone.fromHz = note.hz;
            if (voice.toHz > 0.0) tone.toHz = note.hz * voice.toHz / voice.fromHz;
            add(at, tone);
        }
        at += note.step;
    }
    return at;
}

void Track::mix(double at, const std::vector<float>& voice) {
    auto start = static_cast<size_t>(roundHalfAway(at * rate_));
    // Whatever would run past the end of the track is cut; finish() fades the cut.
    for (size_t i = 0; i < voice.size() && start + i < samples_.size(); ++i) samples_[start + i] += voice[i];
}

std::vector<float> Track::finish(double targetRms, double peakLimit) const {
    std::vector<float> out = samples_;
    // Rise from and fall back to exact silence in straight lines, so neither end clicks.
    auto fadeIn = static_cast<size_t>(roundHalfAway(kFadeIn * rate_));
    auto fadeOut = static_cast<size_t>(roundHalfAway(kFadeOut * rate_));
    for (size_t i = 0; i < fadeIn && i < out.size(); ++i)
        out[i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(fadeIn));
    for (size_t i = 0; i < fadeOut && i < out.size(); ++i)
        out[out.size() - 1 - i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(fadeOut));

    double rms = activeRms(out, rate_);
    if (rms <= 0.0) throw std::runtime_error("the sound is silent");
    auto scale = static_cast<float>(targetRms / rms);
    for (float& s : out) s *= scale;

    double peak = peakOf(out);
    if (peak > peakLimit)
        throw std::runtime_error("at the common loudness its peak would reach " + std::to_string(peak));
    return out;
}

}  // namespace vorn::sounds

// How loud a sound is over the part that is actually heard: the level of its 10 ms slices
// that come within 20 dB of its loudest slice, so a long quiet tail or a pause between notes
// does not make a sound count as quieter than it sounds.
#pragma once

#include <vector>

namespace vorn::sounds {

double activeRms(const std::vector<float>& samples, int rate);
double peakOf(const std::vector<float>& samples);

}  // namespace vorn::sounds

#include "Loudness.h"

#include <algorithm>
#include <cmath>

namespace vorn::sounds {

double activeRms(const std::vector<float>& samples, int rate) {
    size_t slice = static_cast<size_t>(rate) / 100;
    std::vector<double> powers;
    for (size_t start = 0; start + slice <= samples.size(); start += slice) {
        double sum = 0.0;
        for (size_t i = start; i < start + slice; ++i) sum += static_cast<double>(samples[i]) * samples[i];
        powers.push_back(sum / static_cast<double>(slice));
    }
    if (powers.empty()) return 0.0;

    double loudest = *std::max_element(powers.begin(), powers.end());
    double sum = 0.0;
    int counted = 0;
    for (double p : powers) {
        if (p >= loudest / 100.0) {
            sum += p;
            ++counted;
        }
    }
    return std::sqrt(sum / counted);
}

double peakOf(const std::vector<float>& samples) {
    double peak = 0.0;
    for (float s : samples) peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

}  // namespace vorn::sounds

// Notes of a tune: a pitch by name ("C5", "F#4", "Bb3"; A4 is 440 Hz), how long until the next
// note starts, and how long it sounds (0: until the next one).
#pragma once

#include <string_view>

namespace vorn::sounds {

struct Note {
    double hz = 0.0;  // 0: a rest
    double step = 0.125;
    double length = 0.0;
};

// Equal-tempered frequency of a note name; throws std::invalid_argument on a name it can't read.
double pitch(std::string_view name);

}  // namespace vorn::sounds

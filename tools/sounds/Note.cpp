#include "Note.h"

#include <stdexcept>
#include <string>

#include "PortableMath.h"

namespace vorn::sounds {

double pitch(std::string_view name) {
    // How far each letter, A to G, lies above C.
    static constexpr int kLetterSemitones[7] = {9, 11, 0, 2, 4, 5, 7};
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name " + std::string(name));
    int semitone = kLetterSemitones[name[0] - 'A'];
    size_t at = 1;
    if (name[at] == '#') {
        ++semitone;
        ++at;
    } else if (name[at] == 'b') {
        --semitone;
        ++at;
    }
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '8')
        throw std::invalid_argument("bad note name " + std::string(name));
    int octave = name[at] - '0';
    int fromA4 = (octave - 4) * 12 + semitone - 9;
    return 440.0 * pow2(fromA4 / 12.0);
}

}  // namespace vorn::sounds

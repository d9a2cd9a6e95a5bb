// The loudness of one voice over its life: a linear attack from silence, a curved decay to the
// sustain level, and a release that always comes back down to silence, so no voice clicks.
#pragma once

namespace vorn::sounds {

struct Envelope {
    double attack = 0.004;   // seconds from silence to full level
    double decay = 0.0;      // seconds from full level to `sustain`
    double sustain = 1.0;    // level held after the decay
    double release = 0.006;  // seconds back to silence at the end of the voice
    double curve = 2.0;      // bend of the decay and release: 1 is a straight line, more falls faster

    // Level (0..1) at `t` seconds into a voice that lasts `length` seconds.
    double level(double t, double length) const;
};

}  // namespace vorn::sounds

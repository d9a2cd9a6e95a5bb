// The program's one random generator: PCG32 (XSH RR, 64-bit state), seeded once.
// A draw is the top 24 bits of an output scaled to [0, 1), exact in a float, so the
// simulation gives the same world on every build and standard library.
#pragma once

#include <cstdint>

namespace vorn {

class Random {
public:
    // Everything that decides the next draws; a replay keeps it to play a game again.
    struct State {
        uint64_t state = 0;
        uint64_t increment = 0;
        bool operator==(const State&) const = default;
    };

    explicit Random(uint64_t seed = 1) { seed_(seed, 54); }
    void seed(uint64_t seed) { seed_(seed, 54); }
    State state() const { return {state_, inc_}; }
    void restore(const State& s) {
        state_ = s.state;
        inc_ = s.increment;
    }

    uint32_t next32() {
        uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + inc_;
        auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        auto rot = static_cast<uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((-rot) & 31u));
    }

    // 0 <= r < 1.
    float draw() { return static_cast<float>(next32() >> 8) * (1.0f / 16777216.0f); }

private:
    void seed_(uint64_t initState, uint64_t initSeq) {
        state_ = 0;
        inc_ = (initSeq << 1u) | 1u;
        next32();
        state_ += initState;
        next32();
    }

    uint64_t state_ = 0;
    uint64_t inc_ = 0;
};

}  // namespace vorn

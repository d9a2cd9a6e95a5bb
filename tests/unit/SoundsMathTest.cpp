// The sound generator's own sine, powers and logarithms, which stand in for the C library's so
// that every machine draws the same sounds: they must agree with it closely.
#include <gtest/gtest.h>

#include <cmath>

#include "../../tools/sounds/PortableMath.h"

namespace vorn::sounds {

TEST(SoundMath, AgreesWithTheLibraryFunctions) {
    for (double x = -3.0; x <= 3.0; x += 0.0137) {
        EXPECT_NEAR(sineTurns(x), std::sin(2.0 * kPi * x), 1e-7) << x;
        EXPECT_NEAR(pow2(4.0 * x) / std::exp2(4.0 * x), 1.0, 1e-12) << x;
    }
    for (double x = 0.001; x < 5000.0; x *= 1.37) {
        EXPECT_NEAR(log2Of(x), std::log2(x), 1e-12) << x;
        EXPECT_NEAR(powerOf(x, 1.7) / std::pow(x, 1.7), 1.0, 1e-11) << x;
    }
    EXPECT_EQ(powerOf(0.0, 2.0), 0.0);
}

TEST(SoundMath, SlidesEvenlyInOctavesAndRoundsHalvesAway) {
    EXPECT_NEAR(glideBetween(200.0, 800.0, 0.0), 200.0, 1e-9);
    EXPECT_NEAR(glideBetween(200.0, 800.0, 0.5), 400.0, 1e-9);  // halfway is one octave up
    EXPECT_NEAR(glideBetween(200.0, 800.0, 1.0), 800.0, 1e-9);
    EXPECT_NEAR(glideBetween(800.0, 200.0, 0.25), 800.0 / std::sqrt(2.0), 1e-9);
    EXPECT_EQ(glideBetween(300.0, 0.0, 0.7), 300.0);  // no target: no slide

    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(2.49), 2);
    EXPECT_EQ(roundHalfAway(-0.4), 0);
}

}  // namespace vorn::sounds

#include "readers/pressure_depth.h"

#include <gtest/gtest.h>

namespace {

// Check value: UNESCO 1983 (Tech. Pap. Mar. Sci. 44, p. 28): 10000 dbar at 30 degrees is 9712.653 m.
TEST(UnescoDepth, MatchesTheCheckValueAndInvertsAtEveryLatitude) {
    EXPECT_NEAR(unesco_depth(10000, 30), 9712.653, 0.0005);
    EXPECT_NEAR(unesco_depth(1000, 50) - unesco_depth(1000, 45), -0.4543, 0.0001);
    for (const double lat : {0.0, 45.0, -72.5})
        for (const double p : {0.0, 0.5, 1000.0, 11000.0})
            EXPECT_NEAR(unesco_pressure(unesco_depth(p, lat), lat), p, 1e-8);
}

}  // namespace

#include "vertical_grids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace halvane {
namespace {

// Levels of one node of the given depth, with a 1.0 bottom layer on the sine grid.
std::vector<float> column(bool sine, float depth, int nnv)
{
    NodeTable z(1, nvdim);
    const std::vector<float> hdown{depth};
    sine ? sinez(1, nvdim, 1, nnv, 1.0f, hdown, z) : uniz(1, nvdim, 1, nnv, hdown, z);
    return {z.column(1).begin(), z.column(1).begin() + nnv};
}

// Check values of the sine grid for depth 100 and 21 levels.
TEST(Sinez, Depth100With21Levels)
{
    const float expected[] = {-100.0000f, -99.0000f, -97.6085f, -95.4721f, -92.3107f, -87.9443f, -82.3107f,
                              -75.4721f,  -67.6085f, -59.0000f, -50.0000f, -41.0000f, -32.3915f, -24.5279f,
                              -17.6893f,  -12.0557f, -7.6893f,  -4.5279f,  -2.3915f,  -1.0000f,  0.0000f};
    const std::vector<float> z = column(true, 100.0f, 21);
    for (int j = 0; j < 21; ++j) EXPECT_NEAR(z[j], expected[j], 0.5e-4) << "level " << j + 1;
    // z2 = -95 - a sin(2 pi / 20) gives back the stretching amplitude a.
    EXPECT_NEAR((-95.0f - z[1]) / std::sin(0.1 * M_PI), 12.944, 0.001);
}

TEST(VerticalGrids, ThreeLevelsAndOne)
{
    // sin(pi) in single precision is about -8.74e-8: for depth 100 the sine
    // grid's amplitude comes out negative and is cut to 0; for depth 1.5 it is
    // huge and positive and puts the middle level one layer above the sea bed.
    ASSERT_NEAR(std::sin(std::acos(-1.0f)), -8.74e-8f, 0.01e-8f);
    EXPECT_EQ(column(true, 100.0f, 3), (std::vector<float>{-100.0f, -50.0f, 0.0f}));
    EXPECT_NEAR(column(true, 1.5f, 3)[1], -0.5f, 1e-6);
    // One level is at the surface: the spacing divides by zero into an
    // infinity (NaN for depth 0) that no level uses.
    for (const bool sine : {false, true})
        for (const float depth : {80.0f, 0.0f})
            EXPECT_EQ(column(sine, depth, 1), std::vector<float>{0.0f}) << "sine " << sine << ", depth " << depth;
}

TEST(Uniz, LevelsAreAnAccumulatedSingleSum)
{
    // For depth 1 in 29 layers the sum differs from -1 + (j - 1) dz at some levels.
    const std::vector<float> z = column(false, 1.0f, 30);
    const float dz = 1.0f / 29.0f;
    float sum = -1.0f;
    for (int j = 1; j < 29; ++j) {
        sum += dz;
        EXPECT_EQ(z[j], sum) << "level " << j + 1;
    }
    EXPECT_EQ(z[29], 0.0f);
}

}  // namespace
}  // namespace halvane

#include "vertical_grids.h"

#include <gtest/gtest.h>

#include <vector>

namespace halvane {

// Levels of one node of the given depth, with a 1.0 bottom layer on the sine grid.
static std::vector<float> column(bool sine, float depth, int nnv) {
    NodeTable z(1, nvdim);
    const std::vector<float> hdown{depth};
    sine ? sinez(1, nvdim, 1, nnv, 1.0f, hdown, z) : uniz(1, nvdim, 1, nnv, hdown, z);
    return {z.column(1).begin(), z.column(1).begin() + nnv};
}

TEST(VerticalGrids, CheckValuesAndFewLevels) {
    const float sine100[] = {-100.0000f, -99.0000f, -97.6085f, -95.4721f, -92.3107f, -87.9443f, -82.3107f,
                             -75.4721f,  -67.6085f, -59.0000f, -50.0000f, -41.0000f, -32.3915f, -24.5279f,
                             -17.6893f,  -12.0557f, -7.6893f,  -4.5279f,  -2.3915f,  -1.0000f,  0.0000f};
    const std::vector<float> z = column(true, 100.0f, 21);
    for (int j = 0; j < 21; ++j) EXPECT_NEAR(z[j], sine100[j], 0.5e-4) << "sine, level " << j + 1;
    // Uniform levels are an accumulated sum: for depth 1 in 29 layers it differs from -1 + (j - 1) dz.
    const std::vector<float> u = column(false, 1.0f, 30);
    float sum = -1.0f;
    for (int j = 1; j < 29; ++j) EXPECT_EQ(u[j], sum += 1.0f / 29.0f) << "uniform, level " << j + 1;
    EXPECT_EQ(u[29], 0.0f);
    // Single-precision sin(pi) is slightly negative: for depth 100 the amplitude is cut to 0; for
    // depth 1.5 it is huge and puts the middle level one layer above the sea bed.
    EXPECT_EQ(column(true, 100.0f, 3), (std::vector<float>{-100.0f, -50.0f, 0.0f}));
    EXPECT_NEAR(column(true, 1.5f, 3)[1], -0.5f, 1e-6);
    // One level, at the surface: the infinite (or NaN) spacing is used by no level.
    for (const bool sine : {false, true})
        for (const float depth : {80.0f, 0.0f})
            EXPECT_EQ(column(sine, depth, 1), std::vector<float>{0.0f}) << "sine " << sine << ", depth " << depth;
}

}  // namespace halvane

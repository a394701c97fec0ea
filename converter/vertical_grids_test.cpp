#include "vertical_grids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace halvane {
namespace {

// Levels of one node of the given depth.
std::vector<float> column(bool sine, float depth, int nnv)
{
    NodeTable z(1, nvdim);
    const std::vector<float> hdown{depth};
    if (sine)
        sinez(1, nvdim, 1, nnv, 1.0f, hdown, z);
    else
        uniz(1, nvdim, 1, nnv, hdown, z);
    const auto levels = z.column(1);
    return {levels.begin(), levels.begin() + nnv};
}

// Check values of the sine grid, depth 100, 21 levels, 1.0 bottom layer.
TEST(Sinez, Depth100With21Levels)
{
    const float expected[] = {-100.0000f, -99.0000f, -97.6085f, -95.4721f, -92.3107f, -87.9443f, -82.3107f,
                              -75.4721f,  -67.6085f, -59.0000f, -50.0000f, -41.0000f, -32.3915f, -24.5279f,
                              -17.6893f,  -12.0557f, -7.6893f,  -4.5279f,  -2.3915f,  -1.0000f,  0.0000f};
    const std::vector<float> z = column(true, 100.0f, 21);
    for (int j = 0; j < 21; ++j) {
        SCOPED_TRACE(j + 1);
        EXPECT_NEAR(z[j], expected[j], 0.5e-4);
    }
    EXPECT_EQ(z[20], 0.0f);
    // z2 = -95 - a sin(2 pi / 20) gives back the stretching amplitude a.
    EXPECT_NEAR((-95.0f - z[1]) / std::sin(0.1 * M_PI), 12.944, 0.001);
}

TEST(VerticalGrids, EvenSpacing)
{
    // Uniform levels, and sine levels where 10 <= 1.0 x 20 sets a to 0.
    const std::vector<float> uniform = column(false, 100.0f, 21);
    const std::vector<float> shallow = column(true, 10.0f, 21);
    for (int j = 0; j < 21; ++j) {
        SCOPED_TRACE(j + 1);
        EXPECT_NEAR(uniform[j], -100.0f + 5.0f * j, 1e-4);
        EXPECT_NEAR(shallow[j], -10.0f + 0.5f * j, 1e-5);
    }
}

TEST(Sinez, ThreeLevelsFollowTheSinglePrecisionSineOfPi)
{
    // sin(pi) in single precision is about -8.74e-8: for depth 100 the
    // amplitude comes out negative and is cut to 0; for depth 1.5 it is huge
    // and positive and puts the middle level one layer above the sea bed.
    ASSERT_NEAR(std::sin(std::acos(-1.0f)), -8.74e-8f, 0.01e-8f);
    EXPECT_EQ(column(true, 100.0f, 3), (std::vector<float>{-100.0f, -50.0f, 0.0f}));
    const std::vector<float> shallow = column(true, 1.5f, 3);
    EXPECT_NEAR(shallow[1], -0.5f, 1e-6);
}

TEST(VerticalGrids, EdgeCountsAndDepths)
{
    struct Row {
        const char* name;
        bool sine;
        float depth;
        int nnv;
        std::vector<float> expected;
    };
    const Row rows[] = {
        {"uniform, two levels", false, 80.0f, 2, {-80.0f, 0.0f}},
        {"sine, two levels", true, 80.0f, 2, {-80.0f, 0.0f}},
        {"uniform, one level at the surface", false, 80.0f, 1, {0.0f}},
        {"sine, one level at the surface", true, 80.0f, 1, {0.0f}},
        {"uniform, one level, depth 0", false, 0.0f, 1, {0.0f}},
        {"sine, depth 0", true, 0.0f, 4, {0.0f, 0.0f, 0.0f, 0.0f}},
        {"uniform, depth 0", false, 0.0f, 4, {0.0f, 0.0f, 0.0f, 0.0f}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<float> z = column(row.sine, row.depth, row.nnv);
        ASSERT_EQ(z.size(), row.expected.size());
        for (std::size_t j = 0; j < z.size(); ++j) EXPECT_EQ(std::fabs(z[j]), std::fabs(row.expected[j])) << j;
    }
}

TEST(Uniz, LevelsAreAnAccumulatedSingleSum)
{
    const std::vector<float> z = column(false, 1.0f, 30);
    const float dz = 1.0f / 29.0f;
    float sum = -1.0f;
    bool differs_from_product = false;
    for (int j = 1; j < 29; ++j) {
        sum += dz;
        EXPECT_EQ(z[j], sum) << j;
        differs_from_product |= sum != -1.0f + static_cast<float>(j) * dz;
    }
    EXPECT_TRUE(differs_from_product) << "the accumulated sum should differ from the product somewhere";
    EXPECT_EQ(z[29], 0.0f);
}

}  // namespace
}  // namespace halvane

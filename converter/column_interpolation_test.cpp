#include "column_interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace halvane {
namespace {

TEST(Basis1d1, BracketCases)
{
    const std::vector<float> zl{-100.0f, -50.0f, 0.0f};
    struct Row {
        const char* name;
        int nlev;
        float zval;
        int n1;
        float b1;
        int n2;
        float b2;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Row rows[] = {
        {"below the deepest surface", 3, -120.0f, 3, 0.0f, 1, 1.0f},
        {"on the deepest surface", 3, -100.0f, 1, 1.0f, 2, 0.0f},
        {"between two surfaces", 3, -75.0f, 1, 0.5f, 2, 0.5f},
        {"on a middle surface", 3, -50.0f, 2, 1.0f, 3, 0.0f},
        {"a quarter up", 3, -12.5f, 2, 0.25f, 3, 0.75f},
        {"on the last surface", 3, 0.0f, 3, 1.0f, 1, 0.0f},
        {"above the last surface", 3, 10.0f, 3, 1.0f, 1, 0.0f},
        {"not a number", 3, nan, 3, 1.0f, 1, 0.0f},
        {"one surface, below", 1, -120.0f, 1, 0.0f, 1, 1.0f},
        {"one surface, on it", 1, -100.0f, 1, 1.0f, 1, 0.0f},
        {"one surface, above", 1, -20.0f, 1, 1.0f, 1, 0.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        float b1 = -1.0f;
        float b2 = -1.0f;
        int n1 = -1;
        int n2 = -1;
        basis1d1(row.nlev, zl, row.zval, b2, n2, b1, n1);
        EXPECT_EQ(n1, row.n1);
        EXPECT_EQ(n2, row.n2);
        EXPECT_EQ(b1, row.b1);
        EXPECT_EQ(b2, row.b2);
    }
}

// A node whose surfaces at -100, -50 and 0 carry 26.0, 25.0 and 24.0.
TEST(Halvanesub, ColumnValuesWithConstantExtensionAtBothEnds)
{
    const std::vector<float> zl{-100.0f, -50.0f, 0.0f};
    NodeTable sigtl(2, nlevels);
    sigtl(1, 1) = 26.0f;
    sigtl(1, 2) = 25.0f;
    sigtl(1, 3) = 24.0f;
    sigtl(2, 1) = 30.0f;
    sigtl(2, 2) = 20.0f;
    sigtl(2, 3) = 10.0f;
    NodeTable z(2, nvdim);
    const float levels[] = {-120.0f, -75.0f, -50.0f, 0.0f, 5.0f};
    for (int j = 1; j <= 5; ++j) z(1, j) = z(2, j) = levels[j - 1];
    NodeTable sigt(2, nvdim);
    halvanesub(2, nvdim, nlevels, 2, 3, zl, sigtl, 5, z, sigt);
    const float node1[] = {26.0f, 25.5f, 25.0f, 24.0f, 24.0f};
    const float node2[] = {30.0f, 25.0f, 20.0f, 10.0f, 10.0f};
    for (int j = 1; j <= 5; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(sigt(1, j), node1[j - 1]);
        EXPECT_EQ(sigt(2, j), node2[j - 1]);
    }
}

TEST(Halvanesub, SingleSurfaceAndSurfacesGivenAsPositiveDepths)
{
    NodeTable sigtl(1, nlevels);
    sigtl(1, 1) = 23.5f;
    sigtl(1, 2) = 22.0f;
    NodeTable z(1, nvdim);
    z(1, 1) = -40.0f;
    z(1, 2) = -20.0f;
    z(1, 3) = 0.0f;
    NodeTable sigt(1, nvdim);

    const std::vector<float> one{-30.0f};
    halvanesub(1, nvdim, nlevels, 1, 1, one, sigtl, 3, z, sigt);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(sigt(1, j), 23.5f) << j;

    // Depths instead of positions put every level below the first surface.
    const std::vector<float> depths{0.0f, 100.0f};
    halvanesub(1, nvdim, nlevels, 1, 2, depths, sigtl, 2, z, sigt);
    EXPECT_EQ(sigt(1, 1), 23.5f);
    EXPECT_EQ(sigt(1, 2), 23.5f);
}

}  // namespace
}  // namespace halvane

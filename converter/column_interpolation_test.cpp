#include "column_interpolation.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace halvane {

TEST(Basis1d1, BracketCases) {
    const std::vector<float> zl{-100.0f, -50.0f, 0.0f};
    // clang-format off
    const struct { const char* name; int nlev; float zval; std::tuple<int, float, int, float> n1_b1_n2_b2; } rows[] = {
        {"below the deepest surface", 3, -120.0f, {3, 0.0f, 1, 1.0f}},
        {"a quarter up", 3, -12.5f, {2, 0.25f, 3, 0.75f}},
        {"on the last surface", 3, 0.0f, {3, 1.0f, 1, 0.0f}},
        {"not a number", 3, std::numeric_limits<float>::quiet_NaN(), {3, 1.0f, 1, 0.0f}},
        {"one surface, below", 1, -120.0f, {1, 0.0f, 1, 1.0f}},
    };  // clang-format on
    for (const auto& row : rows) {
        float b1 = -1.0f, b2 = -1.0f;
        int n1 = -1, n2 = -1;
        basis1d1(row.nlev, zl, row.zval, b2, n2, b1, n1);
        EXPECT_EQ(std::tuple(n1, b1, n2, b2), row.n1_b1_n2_b2) << row.name;
    }
}

// halvanesub bisects for the bracket where the surfaces ascend: it agrees with basis1d1 for any order and level.
TEST(Halvanesub, AgreesWithTheBasisForAnyOrderOfSurfaces) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::vector<float>> orders = {
        {-100, -50, -50, 0}, {-100, -50, 0, 10}, {0, -50, -100, 10}, {-30, -30, -30, -30}};
    const float levels[] = {-120, -100, -75, -50, -49.5f, -30, 0, 5, 10, 20, nan};
    NodeTable z(1, 11), sigt(1, 11), sigtl(1, 4);
    for (int j = 1; j <= 11; ++j) z(1, j) = levels[j - 1];
    for (int l = 1; l <= 4; ++l) sigtl(1, l) = 20.0f + static_cast<float>(l * l);
    for (const std::vector<float>& zl : orders) {
        halvanesub(1, 11, 4, 1, 4, zl, sigtl, 11, z, sigt);
        for (int j = 1; j <= 11; ++j) {
            float b1, b2;
            int n1, n2;
            basis1d1(4, zl, levels[j - 1], b2, n2, b1, n1);
            EXPECT_EQ(sigt(1, j), b1 * sigtl(1, n1) + b2 * sigtl(1, n2)) << "level " << levels[j - 1];
        }
    }
}

}  // namespace halvane

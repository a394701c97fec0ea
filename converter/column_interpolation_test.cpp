#include "column_interpolation.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace halvane {
namespace {

// halvanesub is checked through the whole run in halvane_program_test.cpp.
TEST(Basis1d1, BracketCases)
{
    const std::vector<float> zl{-100.0f, -50.0f, 0.0f};
    const struct { const char* name; int nlev; float zval; std::tuple<int, float, int, float> n1_b1_n2_b2; } rows[] = {
        {"below the deepest surface", 3, -120.0f, {3, 0.0f, 1, 1.0f}},
        {"on a surface", 3, -50.0f, {2, 1.0f, 3, 0.0f}},
        {"a quarter up", 3, -12.5f, {2, 0.25f, 3, 0.75f}},
        {"on the last surface", 3, 0.0f, {3, 1.0f, 1, 0.0f}},
        {"above the last surface", 3, 10.0f, {3, 1.0f, 1, 0.0f}},
        {"not a number", 3, std::numeric_limits<float>::quiet_NaN(), {3, 1.0f, 1, 0.0f}},
        {"one surface, below", 1, -120.0f, {1, 0.0f, 1, 1.0f}},
        {"one surface, on it", 1, -100.0f, {1, 1.0f, 1, 0.0f}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        float b1 = -1.0f, b2 = -1.0f;
        int n1 = -1, n2 = -1;
        basis1d1(row.nlev, zl, row.zval, b2, n2, b1, n1);
        EXPECT_EQ(std::tuple(n1, b1, n2, b2), row.n1_b1_n2_b2);
    }
}

}  // namespace
}  // namespace halvane

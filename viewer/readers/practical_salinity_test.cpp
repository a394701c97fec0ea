#include "readers/practical_salinity.h"

#include <gtest/gtest.h>

namespace {

// Check values: UNESCO 1983 (Tech. Pap. Mar. Sci. 44), PSS-78 table (ratio, IPTS-68 temperature, dbar).
TEST(PracticalSalinity, MatchesTheUnescoCheckValues) {
    // clang-format off
    const struct { const char* name; double r, t, p, s; } rows[] = {
        {"standard sea water", 1, 15, 0, 35.000000},
        {"warm, deep", 1.2, 20, 2000, 37.245628},
        {"cold, fresher", 0.65, 5, 1500, 27.995347},
        {"the table's extreme", 1.888091, 40, 10000, 40.000000},
        {"the cell in air", 0, 15, 0, 0},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_NEAR(practical_salinity(row.r, row.t, row.p), row.s, 5e-6) << row.name;
}

}  // namespace

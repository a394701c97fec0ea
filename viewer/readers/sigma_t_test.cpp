#include "readers/sigma_t.h"

#include <gtest/gtest.h>

#include "readers/cruise_load.h"

namespace {

// Check values: the sigma-t check table of Knudsen's formula as the viewer uses it, six decimals.
TEST(Sigmat, MatchesTheCheckTableToSixDecimals) {
    // clang-format off
    const struct { const char* name; double t, s, expected; } rows[] = {
        {"two unset cells: sigma0 alone", 0, 0, -0.093446},
        {"temperate ocean", 10, 35, 26.971168},
        {"warm coastal", 20, 30, 20.982808},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_NEAR(sigmat(row.t, row.s), row.expected, 5e-7) << row.name;
    Cell stored = 1.0;
    store_sigma(stored, -67.26, 35);  // the formula divides by zero: the cell is left unset, not infinite
    EXPECT_FALSE(stored.is_set());
}

}  // namespace

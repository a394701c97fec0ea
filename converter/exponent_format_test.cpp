#include "exponent_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace halvane {

// The expected texts round as printf("%.3e") does: to nearest, ties to even.
TEST(ExponentForm, Table) {
    using limits = std::numeric_limits<float>;
    // clang-format off
    const struct { const char* name; float value; const char* text; } rows[] = {
        {"zero", 0.0f, "  0.0000E+00"},                        {"negative zero", -0.0f, "  0.0000E+00"},
        {"negative exponent", -0.00123456f, " -0.1235E-02"},   {"tie to even, down", -100.25f, " -0.1002E+03"},
        {"tie to even, up", 100.75f, "  0.1008E+03"},          {"above a tie", 100.250008f, "  0.1003E+03"},
        {"carry into the exponent", 9.99995f, "  0.1000E+02"}, {"carry below one", 0.099999f, "  0.1000E+00"},
        {"largest float", limits::max(), "  0.3403E+39"}, {"smallest subnormal", limits::denorm_min(), "  0.1401E-44"},
        {"not a number", limits::quiet_NaN(), "         NaN"}, {"minus infinity", -limits::infinity(), "   -Infinity"},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(exponent_form(row.value), row.text) << row.name;
}

}  // namespace halvane

#include "fortran_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace halvane {

using enum NumberParse;

// Each row's token, what the parse gives, and the value when it is ok.
template <class Rows, class Parse>
static void expect_parses(const Rows& rows, Parse parse) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.token);
        decltype(row.value) value = 0;
        EXPECT_EQ(parse(row.token, value), row.result);
        EXPECT_TRUE(row.result != ok || value == row.value) << value;
    }
}

TEST(FortranNumber, FormsOfFreeFormatNumbers) {
    // clang-format off
    const struct { const char* token; NumberParse result; int value; } integers[] = {
        {"+021", ok, 21},       {"-2147483648", ok, -2147483647 - 1}, {"2147483648", out_of_range, 0},
        {"2147483647", ok, 2147483647},
        {"21.0", malformed, 0}, {"21levels", malformed, 0},           {"-", malformed, 0},
    };
    const float inf = std::numeric_limits<float>::infinity();
    const struct { const char* token; NumberParse result; float value; } reals[] = {
        {"1.5d-3", ok, 1.5e-3f}, {"1.5+3", ok, 1500.0f},     {"0.123456789", ok, 0.123456789f}, {"1e-60", ok, 0.0f},
        {"1e-40", ok, 1e-40f},   {"-Infinity", ok, -inf},    {"1e39", out_of_range, 0},         {"1.2.3", malformed, 0},
        {".", malformed, 0},     {"1.5e", malformed, 0},     {"0x1p3", malformed, 0},           {"25.5m", malformed, 0},
        // Short decimals take a quicker road, which must round to the nearest float too.
        {".73", ok, 0.73f},      {"-25.210", ok, -25.21f},   {"5.", ok, 5.0f},                  {"nanny", malformed, 0},
        // Eight digits no longer fit a float exactly: 16777217 would round before the division.
        {"1677721.7", ok, 1677721.7f},
    };  // clang-format on
    expect_parses(integers, parse_integer);
    expect_parses(reals, parse_real);
    float value = 0.0f;
    EXPECT_TRUE(parse_real("nan", value) == ok && std::isnan(value));
}

}  // namespace halvane

#include "fortran_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace halvane {
namespace {

using enum NumberParse;

TEST(FortranNumber, FormsOfFreeFormatNumbers)
{
    const struct { const char* token; NumberParse result; int value; } integers[] = {
        {"+021", ok, 21},       {"-2147483648", ok, -2147483647 - 1}, {"2147483648", out_of_range, 0},
        {"21.0", malformed, 0}, {"2e1", malformed, 0},                {"21levels", malformed, 0},
        {"-", malformed, 0},
    };
    for (const auto& row : integers) {
        SCOPED_TRACE(row.token);
        int value = 0;
        EXPECT_EQ(parse_integer(row.token, value), row.result);
        if (row.result == ok) { EXPECT_EQ(value, row.value); }
    }
    const float inf = std::numeric_limits<float>::infinity();
    const struct { const char* token; NumberParse result; float value; } reals[] = {
        {"1.5E3", ok, 1500.0f},  {"1.5d-3", ok, 1.5e-3f},   {"1.5+3", ok, 1500.0f},   {"0.123456789", ok, 0.123456789f},
        {"1e-60", ok, 0.0f},     {"1e-40", ok, 1e-40f},     {"-Infinity", ok, -inf},  {"1e39", out_of_range, 0},
        {"1.2.3", malformed, 0}, {".", malformed, 0},       {"1.5e", malformed, 0},   {"0x1p3", malformed, 0},
        {"25.5m", malformed, 0}, {"nanny", malformed, 0},
    };
    for (const auto& row : reals) {
        SCOPED_TRACE(row.token);
        float value = 0.0f;
        EXPECT_EQ(parse_real(row.token, value), row.result);
        if (row.result == ok) { EXPECT_EQ(value, row.value); }
    }
    float value = 0.0f;
    EXPECT_TRUE(parse_real("nan", value) == ok && std::isnan(value));
}

TEST(FortranNumber, ShortDecimalsRoundLikeAFullConversion)
{
    // Short decimals (".5", "5." and the like) take a quicker road; it must
    // give the nearest float too.
    std::mt19937 random(7);
    for (int n = 0; n < 20000; ++n) {
        const std::string digits = std::to_string(random() % 10000000);
        const std::size_t point = random() % (digits.size() + 1);
        const std::string token = (n % 2 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
        float expected = 0.0f, value = 0.0f;
        std::from_chars(token.data(), token.data() + token.size(), expected);
        ASSERT_EQ(parse_real(token, value), ok) << token;
        ASSERT_EQ(value, expected) << token;
    }
}

}  // namespace
}  // namespace halvane

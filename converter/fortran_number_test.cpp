#include "fortran_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace halvane {
namespace {

TEST(ParseInteger, FormsOfFreeFormatIntegers)
{
    struct Row {
        const char* token;
        NumberParse result;
        int value;
    };
    const Row rows[] = {
        {"+021", NumberParse::ok, 21},           {"-2147483648", NumberParse::ok, -2147483647 - 1},
        {"2147483648", NumberParse::out_of_range, 0}, {"21.0", NumberParse::malformed, 0},
        {"2e1", NumberParse::malformed, 0},      {"21levels", NumberParse::malformed, 0},
        {"-", NumberParse::malformed, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.token);
        int value = 0;
        EXPECT_EQ(parse_integer(row.token, value), row.result);
        if (row.result == NumberParse::ok) {
            EXPECT_EQ(value, row.value);
        }
    }
}

TEST(ParseReal, FormsOfFreeFormatReals)
{
    struct Row {
        const char* token;
        NumberParse result;
        float value;
    };
    const float inf = std::numeric_limits<float>::infinity();
    const Row rows[] = {
        {"-97.6085", NumberParse::ok, -97.6085f}, {".5", NumberParse::ok, 0.5f},
        {"5.", NumberParse::ok, 5.0f},            {"+25.5", NumberParse::ok, 25.5f},
        {"1.5E3", NumberParse::ok, 1500.0f},      {"1.5d-3", NumberParse::ok, 1.5e-3f},
        {"1.5+3", NumberParse::ok, 1500.0f},      {"0.123456789", NumberParse::ok, 0.123456789f},
        {"1e-60", NumberParse::ok, 0.0f},         {"1e-40", NumberParse::ok, 1e-40f},
        {"-Infinity", NumberParse::ok, -inf},     {"1e39", NumberParse::out_of_range, 0.0f},
        {"1.2.3", NumberParse::malformed, 0.0f},  {".", NumberParse::malformed, 0.0f},
        {"1.5e", NumberParse::malformed, 0.0f},   {"0x1p3", NumberParse::malformed, 0.0f},
        {"25.5m", NumberParse::malformed, 0.0f},  {"nanny", NumberParse::malformed, 0.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.token);
        float value = -1.0f;
        EXPECT_EQ(parse_real(row.token, value), row.result);
        if (row.result == NumberParse::ok) {
            EXPECT_EQ(value, row.value);
        }
    }
    float value = 0.0f;
    EXPECT_EQ(parse_real("NaN", value), NumberParse::ok);
    EXPECT_TRUE(std::isnan(value));
    EXPECT_EQ(parse_real("-0.0", value), NumberParse::ok);
    EXPECT_TRUE(std::signbit(value));
}

TEST(ParseReal, ShortDecimalsRoundLikeAFullConversion)
{
    // Short decimals take a quicker road; it must give the nearest float too.
    std::mt19937 random(7);
    for (int n = 0; n < 200000; ++n) {
        char digits[16];
        const int count = std::snprintf(digits, sizeof digits, "%u", static_cast<unsigned>(random() % 10000000));
        const int point = static_cast<int>(random() % static_cast<unsigned>(count + 1));
        char text[24];
        std::snprintf(text, sizeof text, "%s%.*s.%s", n % 2 ? "-" : "", point, digits, digits + point);
        const std::string token = text;
        float expected = 0.0f;
        std::from_chars(token.data(), token.data() + token.size(), expected);
        float value = 0.0f;
        ASSERT_EQ(parse_real(token, value), NumberParse::ok) << token;
        ASSERT_EQ(value, expected) << token;
    }
}

}  // namespace
}  // namespace halvane

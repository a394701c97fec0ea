#include "readers/text_items.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

// Plain decimals read in one pass give from_chars' value bit for bit, up to its limits (15 digits, 1e22).
TEST(ParseNumber, ReadsAsFromCharsDoes) {
    std::mt19937_64 gen(2024);
    const char* const forms[] = {"%.*f", "%.*e", "%.*g"};
    char text[64];
    for (int k = 0; k < 300000; ++k) {
        const double v = std::ldexp(double(gen() >> 11), int(gen() % 80) - 70) * (k % 2 ? -1 : 1);
        const int n = std::snprintf(text, sizeof text, forms[k % 3], int(gen() % 17), v);
        double got = 0, want = 0;
        ASSERT_TRUE(parse_number(std::string_view(text, std::size_t(n)), got)) << text;
        std::from_chars(text, text + n, want);
        ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << text;
    }
    const struct {
        const char* text;
        bool ok;
        double value;
    } rows[] = {
        {"123456789012345", true, 123456789012345.0},
        {"1234567890123456789", true, 1234567890123456789.0},
        {"9.999e22", true, 9.999e22},
        {"1e-22", true, 1e-22},
        {"1e-23", true, 1e-23},
        {"-0.000", true, -0.0},
        {"-.5", true, -0.5},
        {"1.", true, 1},
        {"+7", true, 7},
        {"1e", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"1.2.3", false, 0},
        {"nan", false, 0},
        {"inf", false, 0},
        {"1e400", false, 0},
        {"0x10", false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        double x = 0;
        const bool ok = parse_number(row.text, x);
        EXPECT_EQ(std::pair(ok, ok ? x : 0.0), std::pair(row.ok, row.value));
    }
}

}  // namespace

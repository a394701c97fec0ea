#include "readers/text_items.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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
    // Either side of the one-pass limits, and short forms: the value strtod gives, bit for bit.
    const char* const accepted[] = {
        "123456789012345", "1234567890123456789", "9.999e22", "1e-22", "1e-23", "-0.000", "-.5", "1.", "+7"};
    for (const char* text : accepted) {
        double got = 0;
        const double want = std::strtod(text, nullptr);
        EXPECT_TRUE(parse_number(text, got) && std::memcmp(&got, &want, sizeof got) == 0) << text;
    }
    // No digits, or none after the exponent; two points; nan and inf; beyond a double; hexadecimal.
    for (const char* text : {"1e", ".", "-", "1.2.3", "nan", "inf", "1e400", "0x10"}) {
        double x = 0;
        EXPECT_FALSE(parse_number(text, x)) << text;
    }
}

}  // namespace

#include "exponent_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace halvane {
namespace {

TEST(ExponentForm, Table)
{
    struct Row {
        const char* name;
        float value;
        const char* text;
    };
    const float inf = std::numeric_limits<float>::infinity();
    const Row rows[] = {
        {"level position", -75.0f, " -0.7500E+02"},
        {"sigma-t", 25.5f, "  0.2550E+02"},
        {"zero", 0.0f, "  0.0000E+00"},
        {"negative zero", -0.0f, "  0.0000E+00"},
        {"one", 1.0f, "  0.1000E+01"},
        {"one tenth", 0.1f, "  0.1000E+00"},
        {"negative exponent", -0.00123456f, " -0.1235E-02"},
        {"tie rounds to even, down", -100.25f, " -0.1002E+03"},
        {"tie rounds to even, up", 100.75f, "  0.1008E+03"},
        {"above a tie", 100.250008f, "  0.1003E+03"},
        {"carry into the exponent", 9.99995f, "  0.1000E+02"},
        {"carry below one", 0.099999f, "  0.1000E+00"},
        {"just below the carry", 9.9994f, "  0.9999E+01"},
        {"largest float", std::numeric_limits<float>::max(), "  0.3403E+39"},
        {"smallest normal", std::numeric_limits<float>::min(), "  0.1175E-37"},
        {"smallest subnormal", std::numeric_limits<float>::denorm_min(), "  0.1401E-44"},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), "         NaN"},
        {"infinity", inf, "    Infinity"},
        {"negative infinity", -inf, "   -Infinity"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(exponent_form(row.value), row.text);
    }
}

// printf's "%.3e" has the same digits (d.ddd) and an exponent one lower.
std::string from_printf(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3e", std::fabs(static_cast<double>(value)));
    const int exponent = std::atoi(text + 6) + 1;
    char form[32];
    std::snprintf(form, sizeof form, "%s0.%c%c%c%cE%c%02d", value < 0 ? "-" : "", text[0], text[2], text[3], text[4],
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    char padded[32];
    std::snprintf(padded, sizeof padded, "%12s", form);
    return padded;
}

TEST(ExponentForm, AgreesWithPrintf)
{
    // Random bit patterns over the whole range, then values with few binary
    // digits, which put exact ties at the fifth digit (n/16 and n/16000).
    std::mt19937 random(20240611);
    for (int compared = 0; compared < 300000;) {
        const std::uint32_t bits = random();
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0.0f) continue;
        ASSERT_EQ(exponent_form(value), from_printf(value)) << value;
        ++compared;
    }
    for (int n = 1; n < 200000; ++n) {
        const float value = static_cast<float>(n) / 16.0f;
        ASSERT_EQ(exponent_form(value), from_printf(value)) << value;
        ASSERT_EQ(exponent_form(-value * 1e-3f), from_printf(-value * 1e-3f)) << value;
        const float next = std::nextafter(value, 2 * value);
        ASSERT_EQ(exponent_form(next), from_printf(next)) << next;
    }
}

}  // namespace
}  // namespace halvane

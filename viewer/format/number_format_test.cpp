#include "format/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The examples of the viewer's pattern formatting table come first.
TEST(FormatNumber, Patterns) {
    // clang-format off
    const struct { const char* name; const char* pattern; double x; std::string want; } rows[] = {
        {"axis label whole", "#0.0#", 2, "2.0"},
        {"axis label two decimals", "#0.0#", 4.25, "4.25"},
        {"axis label rounded", "#0.0#", 4.256, "4.26"},
        {"depth label zero", "##0.", 0, "0."},
        {"minutes rounded", "##.#", 30.46, "30.5"},
        {"minutes whole keep the point", "##.#", 5, "5."},
        {"below one loses leading zero", "##.#", 0.26, ".3"},
        {"zero is the point alone", "##.#", 0, "."},
        {"day zero is empty", "##", 0, ""},
        {"latitude zero is the blank", " ##", 0, " "},
        {"temperature", "00.00", 5.5, "05.50"},
        {"fluorescence", "0.00", 0.5, "0.50"},
        // Ties away from zero on the decimal text, whatever binary value lies beneath it.
        {"tie 4.255", "#0.0#", 4.255, "4.26"},
        {"tie 0.125", "0.00", 0.125, "0.13"},
        {"# zeros trimmed after rounding", "#0.0#", 4.2049, "4.2"},
        {"carry drops the fraction", "##.#", 9.96, "10."},
        {"carry widens past the pattern", "00.00", 99.996, "100.00"},
        {"huge value shows every digit", "####", 1e20, "100000000000000000000"},
        {"negative is one wider", "00.00", -1.5, "-01.50"},
        {"minus after the leading blank", " ##", -5, " -5"},
        {"negative rounding to zero has no sign", "00.00", -0.0006, "00.00"},
        {"nan", "00.00", std::nan(""), "nan"},
        {"minus inf after the leading literal", " ##", -kInf, " -inf"},
    };  // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(format_number(row.x, row.pattern), row.want) << row.name << ": " << row.pattern << " with " << row.x;
}

// The padnum examples of the formatting description come first.
TEST(Padnum, RightAlignsAndNeverCuts) {
    // clang-format off
    const struct { const char* name; int width, decimals; double x; std::string want; } rows[] = {
        {"listing depth", 7, 0, 12.3, "    12."},
        {"one decimal", 4, 1, 2, " 2.0"},
        {"wider than the field", 4, 1, 123.4, "123.4"},
        {"negative depth", 7, 0, -12.3, "   -12."},
        {"width smaller than decimals", 1, 3, 1.5, "1.500"},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(padnum(row.width, row.decimals, row.x), row.want) << row.name;
}

// " 2", "-2" and " 0" are the forms given for the limits dialog.
TEST(SignedText, BlankOrMinusThenShortestForm) {
    // clang-format off
    const struct { const char* name; double x; std::string want; } rows[] = {
        {"positive", 2, " 2"},
        {"negative", -2, "-2"},
        {"zero", 0, " 0"},
        {"negative zero", -0.0, " 0"},
        {"no zero before the point", 0.5, " .5"},
        {"shortest round-trip", 0.1 + 0.2, " .30000000000000004"},
        {"exponent from 1e15", 1e15, " 1e+15"},
        {"nan", std::nan(""), " nan"},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(signed_text(row.x), row.want) << row.name;
}

}  // namespace

#include "format/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "store/value_cell.h"

namespace {

struct PatternRow {
    const char* name;
    const char* pattern;
    double x;
    std::string want;
};

void check(const PatternRow& row) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(format_number(row.x, row.pattern), row.want) << row.pattern << " with " << row.x;
}

// The examples of the pattern formatting table of the viewer's number formats.
TEST(FormatNumber, ExamplesOfThePatternTable) {
    const PatternRow rows[] = {
        {"axis label whole", "#0.0#", 2, "2.0"},
        {"axis label two decimals", "#0.0#", 4.25, "4.25"},
        {"axis label rounded", "#0.0#", 4.256, "4.26"},
        {"axis label zero", "#0.0#", 0, "0.0"},
        {"depth label zero", "##0.", 0, "0."},
        {"depth label hundred", "##0.", 100, "100."},
        {"minutes rounded", "##.#", 30.46, "30.5"},
        {"minutes whole keep the point", "##.#", 5, "5."},
        {"below one loses leading zero", "##.#", 0.26, ".3"},
        {"zero is the point alone", "##.#", 0, "."},
        {"day", "##", 7, "7"},
        {"day zero is empty", "##", 0, ""},
        {"longitude degrees", "###", 123, "123"},
        {"depth wider than pattern", "####", 12345, "12345"},
        {"latitude degrees", " ##", 41, " 41"},
        {"latitude zero is the blank", " ##", 0, " "},
        {"temperature", "00.00", 5.5, "05.50"},
        {"temperature rounded", "00.00", 12.346, "12.35"},
        {"salinity whole", "00.000", 7, "07.000"},
        {"fluorescence", "0.00", 0.5, "0.50"},
        {"fluorescence above ten", "0.00", 12.3, "12.30"},
    };
    for (const auto& row : rows) check(row);
}

TEST(FormatNumber, RoundingCarriesAndTies) {
    const PatternRow rows[] = {
        {"carry drops the fraction", "##.#", 9.96, "10."},
        {"carry widens past the pattern", "00.00", 99.996, "100.00"},
        {"carry into the integer of all-# pattern", "##", 9.5, "10"},
        {"carry from below one", "##.#", 0.96, "1."},
        // Ties round away from zero on the decimal text, not on the binary value
        // beneath it (4.255 and 2.675 are stored a little below the tie).
        {"tie 4.255", "#0.0#", 4.255, "4.26"},
        {"tie 0.125", "0.00", 0.125, "0.13"},
        {"tie 2.675", "0.00", 2.675, "2.68"},
        {"tie 1.005", "0.00", 1.005, "1.01"},
        {"tie to whole", "##", 2.5, "3"},
        {"negative tie away from zero", "0.00", -0.125, "-0.13"},
        {"just below a tie", "0.00", 0.12499999, "0.12"},
        {"# trailing zeros trimmed after rounding", "#0.0#", 4.2049, "4.2"},
        {"rounded fraction zero keeps 0 places", "#0.0#", 3.999, "4.0"},
    };
    for (const auto& row : rows) check(row);
}

TEST(FormatNumber, SignsAndZero) {
    const PatternRow rows[] = {
        {"negative temperature is one wider", "00.00", -1.5, "-01.50"},
        {"negative with # pattern", "##.#", -0.26, "-.3"},
        {"minus after the leading blank", " ##", -5, " -5"},
        {"negative rounding to zero has no sign", "00.00", -0.004, "00.00"},
        {"negative rounding to empty has no sign", "##", -0.3, ""},
        {"negative zero", "0.00", -0.0, "0.00"},
        {"tiny value rounds to zero", "0.00", 1e-300, "0.00"},
        {"smallest subnormal", "##.#", 4.9e-324, "."},
        {"value just under a rounding step", "0.00", 0.004999, "0.00"},
    };
    for (const auto& row : rows) check(row);
}

TEST(FormatNumber, HugeValuesShowEveryDigit) {
    EXPECT_EQ(format_number(1e20, "####"), "100000000000000000000");
    EXPECT_EQ(format_number(-123456789012.0, "0.00"), "-123456789012.00");
    const std::string big = format_number(1e300, "##.#");
    EXPECT_EQ(big.size(), 302u);
    EXPECT_EQ(big.substr(0, 3), "100");
    EXPECT_EQ(big.back(), '.');
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(format_number(max, "0").substr(0, 17), "17976931348623157");
    EXPECT_EQ(format_number(max, "0").size(), 309u);
}

TEST(FormatNumber, NonFiniteValuesGiveAWord) {
    const double inf = std::numeric_limits<double>::infinity();
    const PatternRow rows[] = {
        {"nan", "00.00", std::nan(""), "nan"},
        {"inf", "##.#", inf, "inf"},
        {"minus inf", "0.00", -inf, "-inf"},
        {"after the leading literal", " ##", inf, " inf"},
    };
    for (const auto& row : rows) check(row);
}

TEST(FormatNumber, LiteralsAndOddPatterns) {
    const PatternRow rows[] = {
        {"empty pattern", "", 12.7, "13"},
        {"literals only", "ab", 3, "ab3"},
        {"literal between integer places", "# #", 5, " 5"},
        {"literal after the fraction", "0.0 m", 2.25, "2.3 m"},
        {"trailing literal without point", "## m", 41, "41 m"},
        {"surplus digits before an interior literal", "# #", 123, "12 3"},
        {"point only", ".", 3.6, "4."},
    };
    for (const auto& row : rows) check(row);
}

TEST(FormatNumber, UnsetCellFormatsAsZero) {
    const Cell unset;
    EXPECT_EQ(format_number(unset, "0.00"), "0.00");
    EXPECT_EQ(format_number(unset, "##"), "");
    EXPECT_EQ(format_number(unset, " ##"), " ");
    EXPECT_EQ(padnum(7, 0, unset), "     0.");
}

// The padnum examples of the formatting description, and more.
TEST(Padnum, RightAlignsAndNeverCuts) {
    struct Row {
        const char* name;
        int width, decimals;
        double x;
        std::string want;
    };
    const Row rows[] = {
        {"listing depth", 7, 0, 12.3, "    12."},
        {"table value", 8, 2, 5.5, "    5.50"},
        {"one decimal", 4, 1, 2, " 2.0"},
        {"wider than the field", 4, 1, 123.4, "123.4"},
        {"width 4 no decimals like ##0.", 4, 0, 0, "  0."},
        {"zero keeps its digit", 7, 0, 0, "     0."},
        {"below one keeps its zero", 8, 2, 0.5, "    0.50"},
        {"negative depth", 7, 0, -12.3, "   -12."},
        {"depth rounds half away", 7, 0, 12.5, "    13."},
        {"width smaller than decimals", 1, 3, 1.5, "1.500"},
        {"zero width", 0, 0, 7, "7."},
        {"negative width and decimals", -3, -2, 7.4, "7."},
        {"exactly the width", 7, 0, 123456, "123456."},
        {"pushed one past", 7, 0, 1234567, "1234567."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(padnum(row.width, row.decimals, row.x), row.want);
    }
}

// Signed text of the limits dialog and the printed cast labels: " 2", "-2" and
// " 0" are the forms given for the dialog; 007 is labelled " 7".
TEST(SignedText, BlankOrMinusThenShortestForm) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        double x;
        std::string want;
    };
    const Row rows[] = {
        {"positive", 2, " 2"},
        {"negative", -2, "-2"},
        {"zero", 0, " 0"},
        {"negative zero", -0.0, " 0"},
        {"cast label 007", 7, " 7"},
        {"scroll top end", 32767, " 32767"},
        {"scroll bottom end", -32768, "-32768"},
        {"no trailing zeros", 30.5, " 30.5"},
        {"fraction keeps its zero", 0.08, " 0.08"},
        {"shortest round-trip", 0.1 + 0.2, " 0.30000000000000004"},
        {"no exponent below 1e15", 123456789012345, " 123456789012345"},
        {"exponent from 1e15", 1e15, " 1e+15"},
        {"exponent for tiny", -1e-7, "-1e-07"},
        {"nan", std::nan(""), " nan"},
        {"inf", inf, " inf"},
        {"minus inf", -inf, "-inf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(signed_text(row.x), row.want);
    }
}

}  // namespace

#include "export/csv_export.h"

#include <gtest/gtest.h>

#include <cmath>

#include "testing/export_fixture.h"

namespace {

// Every loaded cast, its dates in their columns, blanks kept by quoting, and
// an empty field for what is unset or not finite; the cast never loaded left out.
TEST(CsvExport, RowsDatesAndEmptyCells) {
    CruiseData d = four_casts();
    d.stdsta[3] = "L,\"2", d.castdat(3, 1, kDepth) = -0.0, d.castdat(3, 1, kSalt) = -INFINITY, d.lat[2] = NAN;
    std::string text;
    ASSERT_TRUE(csv_blocks(d, [&text](std::string_view b) { return text.append(b), true; }));
    EXPECT_EQ(text, std::string(kCsvHeading) + "\n"
                                               "1,001,\"L1 \",41.2,-70.5,18,7,20,17.4,2,20.5,31.6,0.4,22,4.1\n"
                                               "1,001,\"L1 \",41.2,-70.5,18,7,20,17.4,3,19.25,31.7,0.8,22.5,4.2\n"
                                               "1,001,\"L1 \",41.2,-70.5,18,7,20,17.4,4,,31.8,1e+300,22.7,4.3\n"
                                               "2,002,,,-70.9,,7,21,13.5,5,15,,,,\n"
                                               "3,007,\"L,\"\"2\",,,,,,,0,9.5,,,25.8,\n");
}

// A text field never starts a formula, is valid UTF-8 without control
// characters, and is quoted where a reader would split it or lose a blank.
// Numbers stay as they are.
TEST(CsvExport, TextFieldsAreSafeInASpreadsheet) {
    // clang-format off
    const struct { const char* name; std::string in, out; } rows[] = {
        {"formula", "=1+2", "'=1+2"}, {"cell reference", "+A1", "'+A1"}, {"a sum, not a number", "-2+3", "'-2+3"},
        {"at sign", "@SUM(A1)", "'@SUM(A1)"}, {"tab dropped, then a formula", "\t=1", "'=1"},
        {"CR dropped, then a formula", "\r+A1", "'+A1"}, {"-inf is no number", "-inf", "'-inf"},
        {"negative number kept", "-5", "-5"}, {"signed number kept", "+3", "+3"}, {"exponent", "-0.25e2", "-0.25e2"},
        {"formula with a comma: marked, quoted", "=1,2", "\"'=1,2\""}, {"trailing blank quoted", "L1 ", "\"L1 \""},
        {"leading blank quoted", " 01", "\" 01\""}, {"control characters", std::string("a\0b\x1b[2Jc", 8), "ab[2Jc"},
        {"a Latin-1 byte, a lone minus", "-\xED", "'-\xC3\xAD"}, {"plain", "L12", "L12"}, {"empty", "", ""},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(csv_field(row.in), row.out) << row.name;
}

}  // namespace

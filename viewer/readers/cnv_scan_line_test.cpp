#include "readers/cnv_scan_line.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Lines of three columns read in turn, as a file's are: the used values, or what is wrong.
TEST(ScanLine, FieldsReadInPlaceAsItemsBetweenBlanksWouldBe) {
    // clang-format off
    const struct { const char* line; std::vector<int> used; const char* got; } rows[] = {
        {"      1.000    10.0000    35.0000", {0, 1, 2}, "1 10 35"},
        {"      1.000    10.0000    34.0000", {0, 1, 2}, "1 10 34"},
        {"      2.000    10.0000           ", {0, 1}, "line 3 holds 2 of the 3 values the header names"},
        {"      3.000-218.764914    35.0000", {0, 1, 2}, "3 -218.765 35"},
        {"      3.000    10.0000    35.0000", {0, 1, 2}, "3 10 35"},
        {"start", {}, ""},
        {"      3.000    10.0000    35.0000", {0, 1, 2}, "3 10 35"},
        {"      1.000 10.0 20.00    35.0000", {0, 2}, "1 20"},
    };  // clang-format on
    ScanLine reader;
    double x[3] = {0, 0, 0};
    int n = 0;
    for (const auto& row : rows) {
        if (std::string_view(row.line) == "start") {
            reader.start();
            x[0] = x[1] = x[2] = 0;
            continue;
        }
        std::string why, got;
        const bool ok = reader.read(row.line, 3, row.used, x, why, ++n);
        for (int k : row.used) {
            char text[32];
            std::snprintf(text, sizeof text, got.empty() ? "%g" : " %g", x[k]);
            got += text;
        }
        EXPECT_EQ(ok ? got : why, row.got) << row.line;
    }
}

}  // namespace

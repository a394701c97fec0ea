#include "readers/number_stream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> numbers(std::string_view text) {
    std::vector<double> out;
    NumberStream stream(text);
    double x = 0;
    while (stream.next(x) == NumberStream::Item::number) out.push_back(x);
    return out;
}

TEST(NumberStream, SeparatorsOfEveryKindReadAlike) {
    struct Row {
        const char* name;
        const char* text;
    };
    const std::vector<double> expected = {1.5, -2, 30, 0.25};
    const Row rows[] = {
        {"blanks", "1.5 -2 30 0.25"},
        {"one per line, CRLF", "1.5\r\n-2\r\n30\r\n0.25\r\n"},
        {"commas and blanks", "1.5, -2,30 ,0.25"},
        {"empty items between commas", "1.5,,-2,,,30,0.25"},
        {"tabs, blank lines, trailing blanks", "\t1.5\t-2  \n\n   \n30 0.25   "},
        {"Ctrl-Z at the end", "1.5 -2\n30 0.25\n\x1a\n7"},
        {"plus sign and exponent", "+1.5 -2e0 3E1 25e-2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(numbers(row.text), expected);
    }
}

TEST(NumberStream, NamesTheLineOfAnItemThatIsNotANumber) {
    struct Row {
        const char* name;
        const char* text;
        int line;
        const char* item;
    };
    const Row rows[] = {
        {"text", "1 2\n3 depth\n", 2, "depth"},
        {"nan", "1\r\n\r\nnan", 3, "nan"},
        {"inf", "inf", 1, "inf"},
        {"trailing letter", "1 2 3x", 1, "3x"},
        {"two signs", "+-3", 1, "+-3"},
        {"beyond a double", "1e999", 1, "1e999"},
        {"hexadecimal", "0x1A", 1, "0x1A"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        NumberStream stream(row.text);
        double x = 0;
        NumberStream::Item got = NumberStream::Item::number;
        while (got == NumberStream::Item::number) got = stream.next(x);
        EXPECT_EQ(got, NumberStream::Item::bad);
        EXPECT_EQ(stream.line(), row.line);
        EXPECT_EQ(stream.item(), row.item);
    }
}

TEST(NumberStream, AtEndLooksPastSeparatorsOnly) {
    NumberStream stream("4 , \r\n");
    double x = 0;
    EXPECT_FALSE(stream.at_end());
    EXPECT_EQ(stream.next(x), NumberStream::Item::number);
    EXPECT_TRUE(stream.at_end());
    EXPECT_EQ(stream.next(x), NumberStream::Item::end);
}

}  // namespace

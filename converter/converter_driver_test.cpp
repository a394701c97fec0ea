#include "converter_driver.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

// Whole conversions are run in halvane_program_test.cpp.
TEST(OptionIs, KeywordFollowedOnlyByBlanks)
{
    const struct { const char* name; const char* answer; bool matches; } rows[] = {
        {"exact", "SINEZ", true},       {"trailing blanks", "SINEZ   ", true}, {"leading blank", " SINEZ", false},
        {"mixed case", "Sinez", false}, {"abbreviation", "SINE", false},      {"extra words", "SINEZ now", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(option_is(row.answer, "SINEZ"), row.matches);
    }
}

}  // namespace
}  // namespace halvane

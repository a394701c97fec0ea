#include "readers/record_fields.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldValue, ReadsTheNumberAFieldHolds) {
    // clang-format off
    const struct { const char* name; const char* text; double expected; } rows[] = {
        {"leading point", ".5", 0.5}, {"plus sign", "+7", 7},
        {"exponent", "1e2", 100},     {"exponent without digits is not read", "3e", 3},
        {"sign alone", "-", 0},       {"out of range of a double", "9e999", 0},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_DOUBLE_EQ(field_value(row.text), row.expected) << row.name;
}

}  // namespace

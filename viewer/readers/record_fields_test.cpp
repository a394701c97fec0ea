#include "readers/record_fields.h"

#include <gtest/gtest.h>

#include <string>

#include "readers/scratch_folder.h"

namespace {

TEST(FieldValue, ReadsTheNumberAFieldHolds) {
    struct Row {
        const char* name;
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"plain", "305", 305},
        {"blank padded", " 7 ", 7},
        {"blanks inside are ignored", " 3 05", 305},
        {"tab inside", "1\t2", 12},
        {"decimals", "12.05", 12.05},
        {"leading point", ".5", 0.5},
        {"sign", "-4", -4},
        {"stops at a letter", "12.5N", 12.5},
        {"exponent", "1e2", 100},
        {"exponent without digits is not read", "3e", 3},
        {"empty", "", 0},
        {"blanks only", "   ", 0},
        {"no number", "abc", 0},
        {"sign alone", "-", 0},
        {"out of range of a double", "9e999", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(field_value(row.text), row.expected);
    }
}

TEST(LayoutCount, CountsBlanksFollowedByAValue) {
    EXPECT_EQ(layout_count("2.0 20.727 31.590 0.370 3.863 245.4"), 5);
    EXPECT_EQ(layout_count("2.0    20.727  31.590 0.370 3.863"), 4);
    EXPECT_EQ(layout_count("2.0 20.7 31.5 0.37 3.86 "), 4);  // a trailing blank adds nothing
    EXPECT_EQ(layout_count("2.0\t20.7\t31.5"), 0);            // only blanks separate
    EXPECT_EQ(layout_count(""), 0);
}

TEST(ReadTextFile, ReadsBytesAsTheyStandAndNamesTheReasonOfAFailure) {
    ScratchFolder folder;
    const std::string path = folder.write("x.PRE", "1 2\r\n3");
    std::string text, why;
    ASSERT_TRUE(read_text_file(path, text, why));
    EXPECT_EQ(text, "1 2\r\n3");

    EXPECT_FALSE(read_text_file(folder.path("missing.PRE"), text, why));
    EXPECT_EQ(why, "cannot be opened: No such file or directory");
    EXPECT_FALSE(read_text_file(folder.path(""), text, why));  // a folder
    EXPECT_NE(why.find("Is a directory"), std::string::npos) << why;
}

}  // namespace

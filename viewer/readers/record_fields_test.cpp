#include "readers/record_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/scratch_folder.h"

namespace {

std::vector<std::string> all_lines(std::string_view text) {
    std::vector<std::string> out;
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) out.emplace_back(line);
    return out;
}

TEST(LineReader, DosAndUnixLineEndsReadAlike) {
    struct Row {
        const char* name;
        std::string text;
    };
    const std::vector<std::string> expected = {"a b", "", "c"};
    const Row rows[] = {
        {"LF", "a b\n\nc\n"},
        {"CRLF", "a b\r\n\r\nc\r\n"},
        {"last line without its end", "a b\r\n\r\nc"},
        {"Ctrl-Z after the last line", "a b\r\n\r\nc\r\n\x1a"},
        {"Ctrl-Z ends the text", "a b\n\nc\n\x1agarbage\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(all_lines(row.text), expected);
    }
    EXPECT_TRUE(all_lines("").empty());
}

TEST(HeaderItem, SkipsLeadingBlanksAndEndsAtAComma) {
    EXPECT_EQ(header_item("   E617 41,rest"), "E617 41");
    EXPECT_EQ(header_item("E617  "), "E617  ");
    EXPECT_EQ(header_item("    "), "");
    EXPECT_EQ(header_item(",x"), "");
    EXPECT_TRUE(is_blank(" \t "));
    EXPECT_FALSE(is_blank(" , "));
}

TEST(Field, TakesColumnsAndIsShorterAtTheEndOfTheRecord) {
    const std::string record = "E6174112053";  // 11 characters
    EXPECT_EQ(field(record, 5, 6), "41");
    EXPECT_EQ(field(record, 10, 12), "53");  // record ends at column 11
    EXPECT_EQ(field(record, 12, 14), "");
    EXPECT_EQ(field(record, 70, 72), "");
}

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

TEST(FolderOf, KeepsTheTrailingSlash) {
    EXPECT_EQ(folder_of("/data/tows/header.dat"), "/data/tows/");
    EXPECT_EQ(folder_of("header.dat"), "");
    EXPECT_EQ(folder_of("/header.dat"), "/");
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

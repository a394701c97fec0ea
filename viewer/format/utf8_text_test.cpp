#include "format/utf8_text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Text, KeepsWellFormedTextReadsOtherBytesAsLatin1AndDropsControls) {
    // clang-format off
    const struct { const char* name; std::string in, out; } rows[] = {
        {"UTF-8 kept", "41\xC2\xB0 11.84' N \xE2\x82\xAC \xF0\x9F\x8C\x8A",
         "41\xC2\xB0 11.84' N \xE2\x82\xAC \xF0\x9F\x8C\x8A"},
        {"Latin-1 degree sign", "41\xB0 11.84'", "41\xC2\xB0 11.84'"},
        {"character cut in half at the end", "caf\xC3", "caf\xC3\x83"},
        {"lead byte without its continuation", "\xE2\x82x", "\xC3\xA2x"},
        {"overlong slash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4"},
        {"largest code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        {"C0, DEL and escape dropped", std::string("a\0b\tc\r\n\x1b[2J\x7f" "d", 13), "abc[2Jd"},
        {"C1 control, as UTF-8 or Latin-1", "a\xC2\x85" "b\x85" "c\x9F", "abc"},
        {"U+00A0 is no control", "\xA0", "\xC2\xA0"},
        {"empty", "", ""},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string out = utf8_text(row.in);
        EXPECT_EQ(out, row.out);
        EXPECT_TRUE(is_utf8(out));
    }
    EXPECT_FALSE(is_utf8("caf\xC3"));
    EXPECT_FALSE(is_utf8("\xED\xA0\x80"));
    EXPECT_TRUE(is_utf8(std::string("\0\x1b", 2)));
}

TEST(ShownName, EscapesEveryByteThatCouldControlATerminal) {
    // clang-format off
    const struct { const char* name; std::string in, out; } rows[] = {
        {"title and clear-screen sequences", "a\x1b]0;PWNED\a\x1b[2Jb.cnv", "a\\x1B]0;PWNED\\x07\\x1B[2Jb.cnv"},
        {"0x1F, DEL and newline escaped, blank and tilde kept", "\x1f ~\x7f\n", "\\x1F ~\\x7F\\x0A"},
        {"UTF-8 kept", "St \xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "St \xC3\xA9t\xC3\xA9 \xE2\x82\xAC"},
        {"C1 CSI as UTF-8, as a lone byte, a character cut", "\xC2\x9B" "1m\x9B\xC3", "\\xC2\\x9B" "1m\\x9B\\xC3"},
        {"nothing cut", std::string(300, 'x'), std::string(300, 'x')},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(shown_name(row.in), row.out) << row.name;
}

}  // namespace

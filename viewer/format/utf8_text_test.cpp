#include "format/utf8_text.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Text, KeepsWellFormedTextReadsOtherBytesAsLatin1AndDropsControls) {
    const struct {
        const char* name;
        std::string in, out;
    } rows[] = {
        {"plain ASCII", "AZMP-HL2 (Halifax)", "AZMP-HL2 (Halifax)"},
        {"UTF-8 kept", "41\xC2\xB0 11.84' N \xE2\x82\xAC \xF0\x9F\x8C\x8A", "41\xC2\xB0 11.84' N \xE2\x82\xAC \xF0\x9F\x8C\x8A"},
        {"Latin-1 degree sign", "41\xB0 11.84'", "41\xC2\xB0 11.84'"},
        {"Latin-1 letters", "Bah\xED" "a Bland\xE1", "Bah\xC3\xAD" "a Bland\xC3\xA1"},
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
    };
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

}  // namespace

#pragma once

#include <string>
#include <string_view>

// Formats x by a pattern of `0` and `#` digit placeholders, an optional `.` and
// literal blanks ("##.#", "00.000", " ##").
//
// - `0` always shows a digit; `#` shows nothing for a leading zero of the
//   integer part or a trailing zero of the fraction, so 0 with "##" is empty
//   and 0.26 with "##.#" is ".3". A point in the pattern is always shown.
// - Integer digits beyond the placeholders are all shown, never cut.
// - x is rounded to the pattern's decimals on its shortest decimal form, ties
//   away from zero: 4.255 with "#0.0#" is "4.26", 0.125 with "0.00" is "0.13".
// - Literals before the first placeholder lead the text; a minus sign follows
//   them (" -5" with " ##"). A value that rounds to zero shows no sign.
// - Any other character is a literal, kept at its place; a second point too.
// - NaN and infinities give "nan", "inf", "-inf" after the leading literals.
std::string format_number(double x, std::string_view pattern);

// x with `decimals` decimals, right-aligned with blanks to `width` characters;
// a wider result is returned whole. The integer part shows at least one digit
// and a point always follows it: padnum(7, 0, 12.3) is "    12.". A negative
// width or decimals count is taken as 0.
std::string padnum(int width, int decimals, double x);

// The signed general form: a blank or a minus sign, then the shortest decimal
// form of x that reads back as the same double, with no zero before the
// point (" 2", "-2", " 0", " .08", "-.5").
// Magnitudes from 1e-5 up to 1e15 are written out in full, others in
// exponent form (" 1e+20"). -0 gives " 0"; NaN " nan", infinities " inf", "-inf".
std::string signed_text(double x);

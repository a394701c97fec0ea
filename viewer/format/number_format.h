#pragma once

#include <string>
#include <string_view>

// Formats x by a pattern of `0` and `#` digit placeholders, an optional `.` and
// literal blanks ("##.#", "00.000", " ##").
std::string format_number(double x, std::string_view pattern);

// x with `decimals` decimals, right-aligned with blanks to `width` characters;
// a wider result is returned whole.
std::string padnum(int width, int decimals, double x);

// The signed general form: a blank or a minus sign, then the shortest decimal
// form of x (" 2", "-2", " 0.08").
std::string signed_text(double x);

#pragma once

#include <string>

namespace halvane {

// Width of a value written in the exponent form.
inline constexpr int exponent_width = 12;

// Writes `value` in the exponent form of the .s3r file, right-justified in
// exactly 12 characters at `out` (no terminator): a minus sign for negative
// values, "0.", four significant digits, 'E', the exponent's sign and two
// digits, as in "  0.7500E+02" and " -0.1002E+03". Rounding is to nearest on
// the exact binary value with ties to even, as printf rounds (9.99995 gives
// 0.1000E+02). Zero of either sign is "  0.0000E+00"; NaN and the infinities
// are spelled "NaN", "Infinity" and "-Infinity", right-justified.
void write_exponent_form(float value, char* out);

// The same as a string of 12 characters.
std::string exponent_form(float value);

}  // namespace halvane

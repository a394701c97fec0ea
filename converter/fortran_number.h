#pragma once

#include <string_view>

namespace halvane {

enum class NumberParse { ok, malformed, out_of_range };

// An integer value of free-format input: an optional sign and decimal digits,
// within the 32-bit signed range. "21" and "+021" are read; "21.0", "2e1"
// and "21levels" are malformed.
NumberParse parse_integer(std::string_view token, int& value);

// A real value of free-format input, rounded to single precision: an optional
// sign, digits with an optional point (".5", "5." and "5" are read alike),
// and an optional exponent introduced by E, e, D, d or a bare sign
// ("1.5E3", "1.5d3", "1.5+3"). NaN, Inf and Infinity are accepted in any
// case. A magnitude beyond the single-precision range is out_of_range; one
// below it rounds towards zero as the hardware does.
NumberParse parse_real(std::string_view token, float& value);

}  // namespace halvane

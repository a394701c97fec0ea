#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The string helpers every reader shares: items of a line, numbers in text,
// and bad items quoted for a message.

// `s` without leading and trailing blanks and tabs.
[[nodiscard]] std::string_view trim(std::string_view s);

// `s` with ASCII letters in lower case; other bytes as they are.
[[nodiscard]] std::string lowered(std::string_view s);

// True when `s` is one of `names`.
[[nodiscard]] bool is_one_of(std::string_view s, std::initializer_list<const char*> names);

// The blank- or tab-separated items of `s`.
[[nodiscard]] std::vector<std::string_view> words(std::string_view s);

// True for a line of nothing but blanks and tabs; such lines are skipped.
[[nodiscard]] bool is_blank(std::string_view line);

// Parses a whole item as a decimal number: optional sign, digits with an
// optional point, optional exponent. False for anything else, "inf" and
// "nan" included, and for a value beyond the range of a double.
[[nodiscard]] bool parse_number(std::string_view item, double& x);

// A whole item of decimal digits alone whose value lies in lo..hi.
[[nodiscard]] bool whole_number(std::string_view s, int lo, int hi, int& out);

// The value of the longest prefix of `text` that reads as a decimal number,
// 0 when there is none (or it is beyond the range of a double): "12A" gives 12.
[[nodiscard]] double leading_number(std::string_view text);

// The first number anywhere in `text`: "~ 75 m" gives 75, "none" nothing.
[[nodiscard]] std::optional<double> first_number(std::string_view text);

// A bad item as a message quotes it: at most 64 characters, bytes outside
// printable ASCII as \xNN, and "..." after a cut.
[[nodiscard]] std::string quoted_item(std::string_view item);

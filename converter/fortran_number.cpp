#include "fortran_number.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace halvane {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::size_t skip_digits(std::string_view s, std::size_t p) {
    while (p < s.size() && is_digit(s[p])) ++p;
    return p;
}

}  // namespace

NumberParse parse_integer(std::string_view token, int& value) {
    std::size_t p = 0;
    bool negative = false;
    if (p < token.size() && (token[p] == '+' || token[p] == '-')) negative = token[p++] == '-';
    if (p == token.size()) return NumberParse::malformed;
    std::int64_t magnitude = 0;
    bool too_large = false;
    for (; p < token.size(); ++p) {
        if (!is_digit(token[p])) return NumberParse::malformed;
        if (!too_large) {
            magnitude = magnitude * 10 + (token[p] - '0');
            too_large = magnitude > std::int64_t{std::numeric_limits<int>::max()} + 1;
        }
    }
    const std::int64_t signed_value = negative ? -magnitude : magnitude;
    if (too_large || signed_value > std::numeric_limits<int>::max()) return NumberParse::out_of_range;
    value = static_cast<int>(signed_value);
    return NumberParse::ok;
}

NumberParse parse_real(std::string_view token, float& value) {
    // The usual case first: up to 7 digits with an optional point and
    // nothing else. The digits as an integer below 2^24 and a divisor 10^n
    // with n <= 7 are both exact floats, so one float division rounds
    // correctly.
    {
        const char* p = token.data();
        const char* const end = p + token.size();
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '+' || *p == '-')) ++p;
        // Unsigned, so that a long run of digits wraps harmlessly before it is refused.
        std::uint64_t whole = 0;
        const char* const start = p;
        while (p < end && is_digit(*p)) whole = whole * 10 + static_cast<unsigned>(*p++ - '0');
        std::ptrdiff_t digits = p - start;
        std::ptrdiff_t decimals = 0;
        if (p < end && *p == '.') {
            const char* const fraction = ++p;
            while (p < end && is_digit(*p)) whole = whole * 10 + static_cast<unsigned>(*p++ - '0');
            decimals = p - fraction;
            digits += decimals;
        }
        if (p == end && digits > 0 && digits <= 7) {
            static constexpr float exact_powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
            const float magnitude = static_cast<float>(whole) / exact_powers[decimals];
            value = negative ? -magnitude : magnitude;
            return NumberParse::ok;
        }
    }

    std::size_t p = 0;
    bool negative = false;
    if (p < token.size() && (token[p] == '+' || token[p] == '-')) negative = token[p++] == '-';
    const std::string_view body = token.substr(p);
    if (equals_ignoring_case(body, "nan")) {
        value = std::numeric_limits<float>::quiet_NaN();
        return NumberParse::ok;
    }
    if (equals_ignoring_case(body, "inf") || equals_ignoring_case(body, "infinity")) {
        value = negative ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
        return NumberParse::ok;
    }

    // Check the grammar here; from_chars would accept hexadecimal and other forms.
    const std::size_t mantissa_start = p;
    std::size_t q = skip_digits(token, p);
    std::size_t digits = q - p;
    if (q < token.size() && token[q] == '.') {
        const std::size_t r = skip_digits(token, q + 1);
        digits += r - (q + 1);
        q = r;
    }
    if (digits == 0) return NumberParse::malformed;
    const std::size_t mantissa_end = q;
    std::size_t exponent_start = q;
    if (q < token.size()) {
        const char c = lower(token[q]);
        if (c == 'e' || c == 'd' || c == 'q') ++q;
        exponent_start = q;
        if (q < token.size() && (token[q] == '+' || token[q] == '-')) ++q;
        const std::size_t r = skip_digits(token, q);
        if (r == q || r != token.size()) return NumberParse::malformed;
        q = r;
    }

    std::string text;
    text.reserve(token.size() + 2);
    if (negative) text += '-';
    text.append(token.substr(mantissa_start, mantissa_end - mantissa_start));
    if (exponent_start < token.size()) {
        text += 'e';
        text.append(token.substr(exponent_start));
    }

    float parsed = 0.0f;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec == std::errc{} && end == text.data() + text.size()) {
        value = parsed;
        return NumberParse::ok;
    }
    if (ec != std::errc::result_out_of_range) return NumberParse::malformed;
    // Out of single-precision range: too large is an error, too small becomes
    // a subnormal or a signed zero. strtod sees the same C-locale text.
    const double wide = std::strtod(text.c_str(), nullptr);
    if (std::fabs(wide) <= FLT_MAX) {
        value = static_cast<float>(wide);
        return NumberParse::ok;
    }
    return NumberParse::out_of_range;
}

}  // namespace halvane

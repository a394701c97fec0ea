// The number formatting: the input's first 8 bytes are a double, the next two
// bytes padnum's width (taken modulo 9) and decimals (modulo 4), the rest, at
// most kMaxPattern bytes, the pattern. The viewer's widths go up to 8, its
// decimals up to 3 and its patterns are a few characters long.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "format/number_format.h"
#include "fuzz_support.h"

namespace {

constexpr std::size_t kMaxPattern = 12;

// The value a signed text reads back as.
double read_back(const std::string& s) {
    FUZZ_CHECK(s.size() >= 2 && (s[0] == ' ' || s[0] == '-'));
    double a = 0;
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data() + 1, end, a);
    FUZZ_CHECK(r.ec == std::errc{} && r.ptr == end);
    return s[0] == '-' ? -a : a;
}

// The value of a text of digits with an optional sign and point; "" and "."
// are 0.
double value_of(std::string_view t) {
    if (t == "-" || t.empty() || t == "." || t == "-.") return 0;
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    FUZZ_CHECK(r.ec == std::errc{} && r.ptr == t.data() + t.size());
    return v;
}

// A pattern of placeholders only, with at most one point: its output is a
// plain number within half a unit of its last decimal place of x.
void check_rounding(double x, std::string_view pattern, std::string_view out) {
    if (pattern.find_first_not_of("0#.") != std::string_view::npos) return;
    const std::size_t pt = pattern.find('.');
    if (pt != std::string_view::npos && pattern.find('.', pt + 1) != std::string_view::npos) return;
    if (!std::isfinite(x) || std::fabs(x) >= 1e15) return;
    const std::size_t decimals = pt == std::string_view::npos ? 0 : pattern.size() - pt - 1;
    if (decimals > 15) return;
    const double v = value_of(out);
    FUZZ_CHECK(std::fabs(v - x) <= 0.5 * std::pow(10.0, -double(decimals)) * (1 + 1e-9) + std::fabs(x) * 1e-15);
    if (v == 0) FUZZ_CHECK(out.find('-') == std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10 || size > 10 + kMaxPattern) return -1;
    double x = 0;
    std::memcpy(&x, data, 8);
    const int width = data[8] % 9;
    const int decimals = data[9] % 4;
    const std::string_view pattern(reinterpret_cast<const char*>(data + 10), size - 10);

    const std::string formatted = format_number(x, pattern);
    if (std::isfinite(x))
        FUZZ_CHECK(formatted.find_first_of("0123456789") != std::string::npos ||
                   pattern.find('0') == std::string_view::npos);
    check_rounding(x, pattern, formatted);

    const std::string padded = padnum(width, decimals, x);
    FUZZ_CHECK(padded.size() >= static_cast<std::size_t>(width));
    if (std::isfinite(x)) {
        FUZZ_CHECK(padded.find('.') != std::string::npos);
        FUZZ_CHECK(padded.size() - padded.find('.') - 1 == static_cast<std::size_t>(decimals));
        const std::size_t digits = padded.find_first_not_of(' ');
        static const std::string_view kPadPatterns[] = {"0.", "0.0", "0.00", "0.000"};
        check_rounding(x, kPadPatterns[decimals], std::string_view(padded).substr(digits));
    }

    const std::string text = signed_text(x);
    if (std::isnan(x))
        FUZZ_CHECK(text == " nan");
    else
        FUZZ_CHECK(read_back(text) == x);
    return 0;
}

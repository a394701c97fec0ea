#include "readers/text_items.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view trim(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool is_one_of(std::string_view s, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (s == n) return true;
    return false;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

bool is_blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// A plain decimal ("-12.3456", "1.2556e+03"), the form of nearly every value
// a cast file holds, read in one pass: up to 15 digits make an integer a
// double holds exactly, and one multiplication or division by an exact power
// of ten (up to 1e22) rounds it correctly, so the value is the one from_chars
// gives (Clinger's fast path). False for any other form.
bool plain_decimal(std::string_view s, double& x) {
    static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = s.data();
    const char* const end = p + s.size();
    const bool negative = p < end && *p == '-';
    p += negative;
    // Whole and fractional digits as two separate sums, which the processor works on side by side.
    std::uint64_t whole = 0, fraction = 0;
    const char* const first = p;
    while (p < end && unsigned(*p) - '0' < 10) whole = whole * 10 + (unsigned(*p++) - '0');
    const int whole_digits = int(p - first);
    int decimals = 0;
    if (p < end && *p == '.') {
        const char* const point = ++p;
        while (p < end && unsigned(*p) - '0' < 10) fraction = fraction * 10 + (unsigned(*p++) - '0');
        decimals = int(p - point);
        if (decimals == 0) return false;
    }
    if (whole_digits + decimals == 0 || whole_digits + decimals > 15) return false;
    int exponent = 0;
    if (p < end && (*p == 'e' || *p == 'E')) {
        const bool down = ++p < end && *p == '-';
        p += p < end && (*p == '-' || *p == '+');
        const char* const digits = p;
        while (p < end && unsigned(*p) - '0' < 10 && p - digits < 3) exponent = exponent * 10 + (*p++ - '0');
        if (p == digits) return false;
        exponent = down ? -exponent : exponent;
    }
    const int tens = exponent - decimals;
    if (p != end || tens < -22 || tens > 22) return false;
    static constexpr std::uint64_t kWholeTens[] = {1,
                                                   10,
                                                   100,
                                                   1000,
                                                   10000,
                                                   100000,
                                                   1000000,
                                                   10000000,
                                                   100000000,
                                                   1000000000,
                                                   10000000000,
                                                   100000000000,
                                                   1000000000000,
                                                   10000000000000,
                                                   100000000000000,
                                                   1000000000000000};
    const double m = double(whole * kWholeTens[decimals] + fraction);
    const double v = tens >= 0 ? m * kTens[tens] : m / kTens[-tens];
    x = negative ? -v : v;
    return true;
}

bool parse_number(std::string_view item, double& x) {
    if (plain_decimal(item, x)) return true;
    const bool plus = !item.empty() && item[0] == '+';
    if (plus) item.remove_prefix(1);
    const std::size_t i = !plus && !item.empty() && item[0] == '-' ? 1 : 0;
    // from_chars alone would take "inf" and "nan"; a value must start with a
    // digit or a point.
    if (i >= item.size() || !(item[i] == '.' || is_digit(item[i]))) return false;
    const char* end = item.data() + item.size();
    const auto r = std::from_chars(item.data(), end, x);
    return r.ec == std::errc{} && r.ptr == end && std::isfinite(x);
}

bool whole_number(std::string_view s, int lo, int hi, int& out) {
    double x = 0;
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos ||
        !parse_number(s, x) || x < lo || x > hi)
        return false;
    out = static_cast<int>(x);
    return true;
}

double leading_number(std::string_view s) {
    // The longest prefix that is a decimal number.
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e < s.size() && is_digit(s[e])) {
            while (e < s.size() && is_digit(s[e])) ++e;
            end = e;
        }
    }
    // from_chars, unlike strtod, ignores the locale the windowing toolkit sets.
    const std::size_t start = s[0] == '+' ? 1 : 0;
    double x = 0;
    const auto r = std::from_chars(s.data() + start, s.data() + end, x);
    return r.ec == std::errc{} ? x : 0.0;  // out of range of a double: no number
}

std::optional<double> first_number(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit_next = i + 1 < text.size() && is_digit(text[i + 1]);
        if (is_digit(text[i]) || ((text[i] == '-' || text[i] == '+' || text[i] == '.') && digit_next))
            return leading_number(text.substr(i));
    }
    return std::nullopt;
}

std::string quoted_item(std::string_view item) {
    constexpr std::size_t kShown = 64;
    static const char* const hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t k = 0; k < item.size() && k < kShown; ++k) {
        const auto c = static_cast<unsigned char>(item[k]);
        if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    out += '"';
    if (item.size() > kShown) out += "...";
    return out;
}

#include "readers/text_items.h"

#include <charconv>
#include <cmath>

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

bool parse_number(std::string_view item, double& x) {
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

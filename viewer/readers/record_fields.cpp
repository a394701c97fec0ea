#include "readers/record_fields.h"

#include <charconv>

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool is_blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

std::string_view header_item(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    line.remove_prefix(first);
    return line.substr(0, line.find(','));
}

std::string field(std::string_view record, int a, int b) {
    const std::size_t from = static_cast<std::size_t>(a - 1);
    if (a < 1 || b < a || from >= record.size()) return {};
    return std::string(record.substr(from, static_cast<std::size_t>(b - a + 1)));
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

double field_value(std::string_view f) {
    std::string s;
    for (char c : f)
        if (c != ' ' && c != '\t') s += c;
    return leading_number(s);
}

int layout_count(std::string_view item) {
    int count = 0;
    bool after_blank = false;
    for (char c : item) {
        if (c == ' ') {
            after_blank = true;
        } else if (after_blank) {
            ++count;
            after_blank = false;
        }
    }
    return count;
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

#include "readers/record_fields.h"

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

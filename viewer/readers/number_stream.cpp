#include "readers/number_stream.h"

#include <charconv>
#include <cmath>

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

}  // namespace

bool parse_number(std::string_view item, double& x) {
    const bool plus = !item.empty() && item[0] == '+';
    if (plus) item.remove_prefix(1);
    const std::size_t i = !plus && !item.empty() && item[0] == '-' ? 1 : 0;
    // from_chars alone would take "inf" and "nan"; a value must start with a
    // digit or a point.
    if (i >= item.size() || !(item[i] == '.' || (item[i] >= '0' && item[i] <= '9'))) return false;
    const char* end = item.data() + item.size();
    const auto r = std::from_chars(item.data(), end, x);
    return r.ec == std::errc{} && r.ptr == end && std::isfinite(x);
}

NumberStream::NumberStream(std::string_view text) : text_(text.substr(0, text.find('\x1a'))) {}

void NumberStream::skip_separators() {
    while (pos_ < text_.size() && is_separator(text_[pos_])) {
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
    }
}

bool NumberStream::at_end() {
    skip_separators();
    return pos_ >= text_.size();
}

NumberStream::Item NumberStream::next(double& x) {
    skip_separators();
    if (pos_ >= text_.size()) return Item::end;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_separator(text_[pos_])) ++pos_;
    item_ = text_.substr(start, pos_ - start);
    item_line_ = line_;
    return parse_number(item_, x) ? Item::number : Item::bad;
}

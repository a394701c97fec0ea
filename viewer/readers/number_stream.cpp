#include "readers/number_stream.h"

#include <charconv>
#include <cmath>

#include "readers/text_source.h"

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ','; }

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

bool NumberStream::skip_separators() {
    for (;;) {
        while (pos_ < line_.size() && is_separator(line_[pos_])) ++pos_;
        if (pos_ < line_.size()) return true;
        if (!src_.next_line(line_)) return false;
        pos_ = 0;
    }
}

bool NumberStream::at_end() { return !skip_separators() && !src_.failed(); }

NumberStream::Item NumberStream::next(double& x) {
    if (!skip_separators()) return src_.failed() ? Item::failed : Item::end;
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !is_separator(line_[pos_])) ++pos_;
    item_ = line_.substr(start, pos_ - start);
    item_line_ = src_.line_number();
    return parse_number(item_, x) ? Item::number : Item::bad;
}

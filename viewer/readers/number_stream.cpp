#include "readers/number_stream.h"

#include "readers/text_source.h"

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ','; }

}  // namespace

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

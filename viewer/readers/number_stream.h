#pragma once

#include <string_view>

#include "readers/text_items.h"

class TextSource;

// A cast file read as a stream of numbers separated by blanks, tabs, commas
// and line ends; a run of separators counts as one, so empty items between two
// commas are skipped. Lines come from a TextSource (so the text ends at its
// first Ctrl-Z and no line is longer than TextSource::kMaxLine).
class NumberStream {
public:
    enum class Item { number, end, bad, failed };

    // `line` is a line already taken from `src` whose items come first.
    explicit NumberStream(TextSource& src, std::string_view line = {}) : src_(src), line_(line) {}

    // The next number into x. `bad` for an item that is not a decimal number
    // (text, "nan", "inf", or beyond the range of a double); the stream then
    // stands past that item. `failed` when the source failed (its why() says
    // why): an over-long line or a read error.
    [[nodiscard]] Item next(double& x);
    // True when no item remains; reads ahead at most to the next line that
    // holds an item. A source that fails while looking is not at its end.
    [[nodiscard]] bool at_end();

    // 1-based line of the item last read, and that item's text (valid until
    // the stream moves past its line).
    int line() const { return item_line_; }
    std::string_view item() const { return item_; }

private:
    // Skips separators, taking lines as needed; false at the end or on a failure.
    bool skip_separators();

    TextSource& src_;
    std::string_view line_;
    std::size_t pos_ = 0;
    int item_line_ = 0;
    std::string_view item_;
};

#pragma once

#include <string_view>

// A cast file read as a stream of numbers separated by blanks, tabs, commas
// and line ends; a run of separators counts as one, so empty items between two
// commas are skipped. The text ends at its first Ctrl-Z.
class NumberStream {
public:
    enum class Item { number, end, bad };

    explicit NumberStream(std::string_view text);

    // The next number into x. `bad` for an item that is not a decimal number
    // (text, "nan", "inf", or beyond the range of a double); the stream then
    // stands past that item.
    Item next(double& x);
    // True when no item remains.
    bool at_end();

    // 1-based line of the item last read, and that item's text.
    int line() const { return item_line_; }
    std::string_view item() const { return item_; }

private:
    void skip_separators();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int item_line_ = 0;
    std::string_view item_;
};

// Parses a whole item as a decimal number: optional sign, digits with an
// optional point, optional exponent. False for anything else.
bool parse_number(std::string_view item, double& x);

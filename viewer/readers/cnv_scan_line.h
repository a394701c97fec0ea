#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The values of one data line of a .cnv file. Items are separated by blanks
// or tabs; a line of whole 11-character fields (Sea-Bird's layout) whose
// items touch ("34.0200-218.764914") is read field by field. Only the columns
// used are converted; the others must be present.
class ScanLine {
public:
    // The values of the columns `used` (ascending, each below n) into x[k].
    // False, with `why` naming `line_number`, for a line of fewer than n items
    // or a used item that is not a number.
    [[nodiscard]] bool read(std::string_view line, std::size_t n, const std::vector<int>& used, double* x,
                            std::string& why, int line_number);
    // A new file (or new columns or values): the next line is read whole.
    void start() { same_fields_ = false; }

private:
    bool read_fields_in_place(std::string_view line, std::size_t n, const std::vector<int>& used, double* x);

    std::vector<std::string_view> items_;
    // The used fields of the last line read in place, whose values x holds:
    // a field written as on the line before is not converted again.
    std::vector<char> last_fields_;
    bool same_fields_ = false;
};

// A line of column titles: printable text with letters and no numbers.
[[nodiscard]] bool is_title_line(std::string_view line);

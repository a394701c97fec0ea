#pragma once

#include "list_output.h"

#include <initializer_list>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace halvane {

// The converter's dialogue: questions and reports go to `out` as free-format
// records, answers come from `in` one line at a time, so a file of answers
// piped to standard input runs a conversion unattended.
class Terminal {
public:
    Terminal(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

    // Writes `question` as a record and takes the next input line whole as a
    // 72-character text (cut or blank-filled). LF, CR and CR LF end a line;
    // of a longer line only the first 4096 characters are kept. The end of
    // input throws InputError.
    std::string ask_line(std::string_view question);

    // Writes `question` and reads one integer free-format: blank lines before
    // it are passed over and the rest of its line is ignored ("21 levels"
    // gives 21). A malformed number or the end of input throws InputError.
    int ask_number(std::string_view question);

    // Writes one free-format record.
    void say(std::initializer_list<RecordItem> items);

private:
    void ask(std::string_view question);
    std::string next_line(std::string_view question);

    std::istream& in_;
    std::ostream& out_;
    bool skip_lf_ = false;  // the last answer ended with CR: an LF next belongs to it
};

}  // namespace halvane

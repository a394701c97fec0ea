#include "terminal.h"

#include "fixed_text.h"
#include "free_format_reader.h"
#include "run_errors.h"

namespace halvane {
namespace {

std::string answer_place(std::string_view question) {
    return "terminal (standard input), answer to \"" + std::string(question) + "\"";
}

}  // namespace

void Terminal::ask(std::string_view question) {
    write_record(out_, {question});
    out_.flush();
}

std::string Terminal::next_line(std::string_view question) {
    // Byte by byte, and a pending LF only looked for once the next answer is
    // due, so that an interactive answer ended by CR is not kept waiting.
    constexpr std::size_t longest_answer = 4096;
    std::streambuf& in = *in_.rdbuf();
    constexpr int end = std::char_traits<char>::eof();
    if (skip_lf_ && in.sgetc() == '\n') in.sbumpc();
    skip_lf_ = false;
    if (in.sgetc() == end) throw InputError(answer_place(question) + ": end of input while the answer was awaited");
    std::string line;
    for (int c = in.sbumpc(); c != end && c != '\n'; c = in.sbumpc()) {
        if (c == '\r') {
            skip_lf_ = true;
            break;
        }
        if (line.size() < longest_answer) line += static_cast<char>(c);
    }
    return line;
}

std::string Terminal::ask_line(std::string_view question) {
    ask(question);
    return make_text72(next_line(question));
}

int Terminal::ask_number(std::string_view question) {
    ask(question);
    for (;;) {
        const std::string line = next_line(question);
        std::size_t pos = 0;
        const std::string_view token = next_value(line, pos);
        if (token.empty()) continue;
        int value = 0;
        store_value(token, Field::of(value), answer_place(question));
        return value;
    }
}

void Terminal::say(std::initializer_list<RecordItem> items) { write_record(out_, items); }

}  // namespace halvane

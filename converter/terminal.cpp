#include "terminal.h"

#include "fixed_text.h"
#include "free_format_reader.h"
#include "run_errors.h"

namespace halvane {
namespace {

std::string answer_place(std::string_view question)
{
    return "terminal (standard input), answer to \"" + std::string(question) + "\"";
}

}  // namespace

void Terminal::ask(std::string_view question)
{
    write_record(out_, {question});
    out_.flush();
}

std::string Terminal::next_line(std::string_view question)
{
    std::string line;
    if (!std::getline(in_, line))
        throw InputError(answer_place(question) + ": end of input while the answer was awaited");
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string Terminal::ask_line(std::string_view question)
{
    ask(question);
    return make_text72(next_line(question));
}

int Terminal::ask_number(std::string_view question)
{
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

void Terminal::say(std::initializer_list<RecordItem> items)
{
    write_record(out_, items);
}

}  // namespace halvane

#include "fixed_text.h"

namespace halvane {

std::string make_text72(std::string_view answer) {
    std::string text(answer.substr(0, text_width));
    text.resize(text_width, ' ');
    return text;
}

std::string_view trimmed(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace halvane

#include "quoted_item.h"

namespace halvane {

std::string quoted(std::string_view item, std::size_t limit) {
    static constexpr char hex[] = "0123456789abcdef";
    const std::string_view shown = item.substr(0, limit);
    std::string text;
    text.reserve(shown.size() + 5);
    text += '"';
    for (const char c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            text += c;
        } else {
            text += "\\x";
            text += hex[byte >> 4];
            text += hex[byte & 15];
        }
    }
    text += '"';
    if (item.size() > shown.size()) text += "...";
    return text;
}

}  // namespace halvane

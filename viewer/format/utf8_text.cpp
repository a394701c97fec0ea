#include "format/utf8_text.h"

namespace {

// Length of the well-formed UTF-8 sequence at the start of s (1 to 4), with
// its code point in cp; 0 when s does not start with one.
int utf8_sequence(std::string_view s, char32_t& cp) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    int n = 0;
    char32_t lowest = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1F, lowest = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0F, lowest = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < static_cast<std::size_t>(n)) return 0;
    for (int i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool is_control(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

}  // namespace

std::string utf8_text(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t cp = 0;
        int n = utf8_sequence(bytes, cp);
        if (n == 0) cp = static_cast<unsigned char>(bytes[0]), n = 1;  // Latin-1
        if (!is_control(cp)) {
            if (cp >= 0x80 && cp <= 0xFF && static_cast<unsigned char>(bytes[0]) == cp) {
                out += static_cast<char>(0xC0 | (cp >> 6));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                out.append(bytes.substr(0, static_cast<std::size_t>(n)));
            }
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return out;
}

bool is_utf8(std::string_view bytes) {
    while (!bytes.empty()) {
        char32_t cp = 0;
        const int n = utf8_sequence(bytes, cp);
        if (n == 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string shown_name(std::string_view name) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(name.size());
    while (!name.empty()) {
        char32_t cp = 0;
        int n = utf8_sequence(name, cp);
        const bool keep = n > 0 && !is_control(cp);
        if (n == 0) n = 1;
        for (int i = 0; i < n; ++i) {
            const auto c = static_cast<unsigned char>(name[static_cast<std::size_t>(i)]);
            if (keep) {
                out += static_cast<char>(c);
            } else {
                out += "\\x";
                out += hex[c >> 4];
                out += hex[c & 15];
            }
        }
        name.remove_prefix(static_cast<std::size_t>(n));
    }
    return out;
}

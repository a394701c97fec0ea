#include "readers/cnv_position.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "format/utf8_text.h"
#include "readers/text_items.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A position value as UTF-8 with every degree, minute and second mark, tab,
// colon and dash after a digit turned into a blank.
std::string unmarked(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        if (c == '\t') c = ' ';
    text = utf8_text(text);
    for (std::size_t open; (open = text.find_first_of("([")) != std::string::npos;)  // "(GPS)", "[deg]"
        text.erase(open, std::min(text.find_first_of(")]", open), text.size() - 1) - open + 1);
    static const std::string_view marks[] = {
        "\xC2\xB0", "\xC2\xBA", "\xCB\x9A", "\xC2\xB4", "\xE2\x80\x99", "\xE2\x80\xB2", "\xE2\x80\xB3",
        "'",        "\"",       "`",        ":"};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 0;
        for (std::string_view m : marks)
            if (std::string_view(text).substr(i, m.size()) == m) n = m.size();
        const bool dash = text[i] == '-' && i > 0 && is_digit(text[i - 1]);
        out += n || dash ? ' ' : text[i];
        i += n ? n : 1;
    }
    return out;
}

// 'N', 'S', 'E' or 'W' for a hemisphere letter or word in any case, else 0.
char hemisphere(std::string_view word) {
    const std::string w = lowered(word);
    if (w == "n" || w == "north") return 'N';
    if (w == "s" || w == "south") return 'S';
    if (w == "e" || w == "east") return 'E';
    if (w == "w" || w == "west") return 'W';
    return 0;
}

// Takes a hemisphere letter (or word) off the front or back of `items` into
// `letter`; false for a letter that stands elsewhere or twice.
bool take_hemisphere(std::vector<std::string_view>& items, char& letter) {
    const auto take = [&](char c) {
        if (letter) return false;
        letter = c;
        return true;
    };
    if (!items.empty() && is_letter(items.front()[0])) {
        std::string_view& w = items.front();
        if (const char c = hemisphere(w)) {
            if (!take(c)) return false;
            items.erase(items.begin());
        } else if (const char c1 = hemisphere(w.substr(0, 1)); c1 && (is_digit(w[1]) || w[1] == '.')) {
            if (!take(c1)) return false;
            w.remove_prefix(1);
        } else {
            return false;
        }
    }
    if (!items.empty() && is_letter(items.back().back())) {
        std::string_view& w = items.back();
        const bool after_number = w.size() > 1 && (is_digit(w[w.size() - 2]) || w[w.size() - 2] == '.');
        if (const char c = hemisphere(w)) {
            if (!take(c)) return false;
            items.pop_back();
        } else if (const char c1 = hemisphere(w.substr(w.size() - 1)); c1 && after_number) {
            if (!take(c1)) return false;
            w.remove_suffix(1);
        } else {
            return false;
        }
    }
    return true;
}

bool is_whole(double x) { return x == std::floor(x); }

}  // namespace

std::optional<Angle> Angle::from_degrees(double x, char axis) {
    if (!std::isfinite(x) || std::fabs(x) > (axis == 'N' ? 90 : 180)) return std::nullopt;
    Angle a;
    a.positive = !(x < 0);
    a.degrees = std::floor(std::fabs(x));
    a.minutes = (std::fabs(x) - a.degrees) * 60;
    return a;
}

std::optional<Angle> parse_angle(std::string_view value, char axis) {
    const std::string text = unmarked(value);
    std::vector<std::string_view> items = words(text);
    std::erase_if(items, [](std::string_view w) {
        return is_one_of(lowered(w), {"deg", "degs", "degrees", "min", "mins", "minutes", "sec", "secs", "seconds"});
    });
    char letter = 0;
    if (!take_hemisphere(items, letter) || items.empty() || items.size() > 3) return std::nullopt;
    if (letter && (letter == 'N' || letter == 'S') != (axis == 'N')) return std::nullopt;
    double x[3] = {0, 0, 0};
    for (std::size_t k = 0; k < items.size(); ++k)
        if (!parse_number(items[k], x[k]) || (k > 0 && !is_digit(items[k][0]) && items[k][0] != '.'))
            return std::nullopt;
    const bool negative = items[0][0] == '-';
    if (letter && negative) return std::nullopt;
    const double limit = axis == 'N' ? 90 : 180;
    double deg = std::fabs(x[0]), min = x[1];
    if (items.size() == 1) {
        const std::size_t point = std::min(items[0].find('.'), items[0].size());
        if (deg > limit && point - (negative ? 1 : 0) >= 4) {  // NMEA's raw ddmm.mm
            min = deg - std::floor(deg / 100) * 100;
            deg = std::floor(deg / 100);
        } else {
            min = (deg - std::floor(deg)) * 60;
            deg = std::floor(deg);
        }
    } else if (!is_whole(deg)) {
        return std::nullopt;
    }
    if (items.size() == 3) {
        if (!is_whole(min) || x[2] < 0 || x[2] >= 60) return std::nullopt;
        min += x[2] / 60;
    }
    if (min < 0 || min >= 60 || deg + min / 60 > limit) return std::nullopt;
    Angle a;
    a.degrees = deg;
    a.minutes = min;
    a.positive = letter ? letter == 'N' || letter == 'E' : !negative;
    return a;
}

std::optional<std::pair<Angle, Angle>> parse_position(std::string_view value) {
    std::string text = unmarked(value);
    for (const char* label : {"longitude", "latitude", "long", "lon", "lat"})
        for (std::size_t at; (at = lowered(text).find(label)) != std::string::npos;)
            std::fill_n(text.begin() + std::ptrdiff_t(at), std::string_view(label).size(), ' ');
    const auto pair = [&](std::size_t cut, std::size_t skip) -> std::optional<std::pair<Angle, Angle>> {
        const auto lat = parse_angle(std::string_view(text).substr(0, cut), 'N');
        const auto lon = parse_angle(std::string_view(text).substr(cut + skip), 'E');
        if (lat && lon) return std::pair(*lat, *lon);
        return std::nullopt;
    };
    if (const std::size_t comma = text.find(','); comma != std::string::npos) return pair(comma, 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = static_cast<char>(text[i] & ~0x20);
        if (const auto p = c == 'N' || c == 'S' ? pair(i + 1, 0) : c == 'E' || c == 'W' ? pair(i, 0) : std::nullopt)
            return p;
    }
    return std::nullopt;
}

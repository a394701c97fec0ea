#include "readers/cnv_header.h"

#include <algorithm>
#include <cmath>

#include "format/utf8_text.h"
#include "readers/cnv_position.h"
#include "readers/text_items.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The items of `s` between any of the separator bytes in `seps`.
std::vector<std::string_view> split(std::string_view s, std::string_view seps) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        i = s.find_first_not_of(seps, i);
        if (i == std::string_view::npos) break;
        const std::size_t end = std::min(s.find_first_of(seps, i), s.size());
        out.push_back(s.substr(i, end - i));
        i = end;
    }
    return out;
}

int month_of(std::string_view word) {
    static const char* const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    if (word.size() < 3 || word.size() > 9) return 0;
    for (char c : word)
        if (!is_letter(c)) return 0;
    const std::string m = lowered(word.substr(0, 3));
    for (int k = 0; k < 12; ++k)
        if (m == months[k]) return k + 1;
    return 0;
}

bool is_weekday(std::string_view word) {
    static const char* const days[] = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
    if (word.size() < 3 || word.size() > 9) return false;
    const std::string d = lowered(word.substr(0, 3));
    for (const char* day : days)
        if (d == day) return true;
    return false;
}

// Day and year from the two numbers of a date with a month name: a number of
// three or more digits first is the year, else the day comes first.
bool day_and_year(std::string_view a, std::string_view b, CastTime& t) {
    if (a.size() >= 3) std::swap(a, b);
    return whole_number(a, 1, 31, t.day) && whole_number(b, 0, 99999, t.year);
}

// "2024-06-05" or "2024/06/05".
std::optional<CastTime> numeric_date(std::string_view s) {
    const auto items = split(s, "-/");
    CastTime t;
    if (items.size() != 3 || items[0].size() != 4 || !whole_number(items[0], 0, 9999, t.year) ||
        !whole_number(items[1], 1, 12, t.month) || !whole_number(items[2], 1, 31, t.day))
        return std::nullopt;
    return t;
}

// Header names compared: lower case, blanks single, a trailing bracketed unit
// ("(m)", "[m]") and a trailing point left out; the unit into `unit`.
std::string plain_name(std::string_view name, std::string* unit = nullptr) {
    name = trim(name);
    while (!name.empty() && (name.back() == ')' || name.back() == ']')) {
        const std::size_t open = name.find_last_of(name.back() == ')' ? '(' : '[');
        if (open == std::string_view::npos) break;
        if (unit) *unit = lowered(trim(name.substr(open + 1, name.size() - open - 2)));
        name = trim(name.substr(0, open));
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ':')) name = trim(name.substr(0, name.size() - 1));
    std::string out;
    for (std::string_view w : words(name)) {
        if (!out.empty()) out += ' ';
        out += lowered(w);
    }
    return out;
}

bool is_feet(std::string_view unit) { return unit == "ft" || unit == "feet" || unit == "foot"; }

// A bottom depth value: its first number, in metres; nothing for a time of
// day ("10:31") or a value without a number.
std::optional<double> bottom_depth(std::string_view value, bool feet) {
    std::size_t i = 0;
    while (i < value.size() && !is_digit(value[i])) ++i;
    const std::optional<double> x = first_number(value);
    if (!x) return std::nullopt;
    std::size_t end = i;
    while (end < value.size() && (is_digit(value[end]) || value[end] == '.')) ++end;
    // 10:31 and 10h31 are times of day; 1,234 is a thousand or a decimal comma.
    if (end < value.size() && (value[end] == ':' || value[end] == 'h' || value[end] == ',')) return std::nullopt;
    const std::vector<std::string_view> after = words(value.substr(end));
    if (!after.empty() && is_feet(lowered(after[0]))) feet = true;
    return feet ? *x * 0.3048 : *x;
}

// The station as stored: valid UTF-8 without controls, at most kMaxStationBytes.
std::string station_text(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (c == '\t') c = ' ';
    s = utf8_text(s);
    if (s.size() > kMaxStationBytes) {
        std::size_t cut = kMaxStationBytes;
        while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;
        s.resize(cut);
    }
    return std::string(trim(s));
}

// Some header forms keep only the operator's answers: "**   12 40.46 N" on a
// line of its own. Such a line is a position only when its hemisphere letter
// says which axis: a bare "** 003" is the cast, not a latitude.
void read_unlabelled_position(std::string_view value, CnvHeader& h) {
    if (value.empty()) return;
    const auto letter = [&](const char* letters) {
        return std::string_view(letters).find(value.front()) != std::string_view::npos ||
               std::string_view(letters).find(value.back()) != std::string_view::npos;
    };
    if (!h.bare_lat && letter("NSns")) h.bare_lat = parse_angle(value, 'N');
    if (!h.bare_lon && letter("EWew")) h.bare_lon = parse_angle(value, 'E');
}

// A "**" line (the operator's own entries): name, then ':' or '=', then value.
void read_user_line(std::string_view line, CnvHeader& h) {
    const std::size_t sep = line.find_first_of(":=");
    if (sep == std::string_view::npos) {
        read_unlabelled_position(trim(line), h);
        return;
    }
    std::string unit;
    const std::string name = plain_name(line.substr(0, sep), &unit);
    const std::string_view value = trim(line.substr(sep + 1));
    if (value.empty()) return;
    if (is_one_of(name, {"latitude", "lat"}) || name.ends_with(" latitude")) {
        if (!h.user_lat) h.user_lat = parse_angle(value, 'N');
        if (const auto p = h.user_lat || h.user_lon ? std::nullopt : parse_position(value))  // "Lat: ... Lon: ..."
            h.user_lat = p->first, h.user_lon = p->second;
    } else if (is_one_of(name, {"longitude", "lon", "long"}) || name.ends_with(" longitude")) {
        if (!h.user_lon) h.user_lon = parse_angle(value, 'E');
    } else if (is_one_of(name, {"position", "pos", "lat/lon", "lat lon", "latitude/longitude", "location"})) {
        if (const auto p = parse_position(value); p && !h.user_lat && !h.user_lon)
            h.user_lat = p->first, h.user_lon = p->second;
    } else if (is_one_of(name, {"station", "station name", "station id", "station number", "station no", "station #",
                                "stn", "stn no", "stn #"})) {
        if (!h.station && !station_text(value).empty()) h.station = station_text(value);
    } else if (name == "date") {
        if (!h.user_date) h.user_date = parse_time(value);
        if (!h.user_date) h.user_date = parse_date(value);
    } else if (name == "time") {
        if (!h.user_clock) h.user_clock = parse_clock(value);
    } else if (is_one_of(name, {"bottom depth", "water depth", "depth", "echo depth", "echodepth", "sounding", "bottom",
                                "seafloor depth", "sea floor depth", "station depth", "depth to bottom"})) {
        if (!h.bottom) h.bottom = bottom_depth(value, is_feet(unit));
    }
}

template <typename T>
void keep_first(std::optional<T>& slot, std::optional<T> value) {
    if (!slot) slot = std::move(value);
}

}  // namespace

std::optional<double> parse_clock(std::string_view value) {
    const std::vector<std::string_view> items = words(value);
    if (items.empty()) return std::nullopt;
    std::string_view clock = items[0];
    if (clock.size() > 1 && (clock.back() == 'Z' || clock.back() == 'z')) clock.remove_suffix(1);
    const auto parts = split(clock, ":");
    int hh = 0, mm = 0, ss = 0;
    if (parts.size() < 2 || parts.size() > 3 || clock.front() == ':' || clock.back() == ':' ||
        clock.find("::") != std::string_view::npos || parts[0].size() > 2 || parts[1].size() != 2 ||
        !whole_number(parts[0], 0, 23, hh) || !whole_number(parts[1], 0, 59, mm))
        return std::nullopt;
    double fraction = 0;  // "08:40:34.25"
    if (parts.size() == 3) {
        const std::string_view sec = parts[2];
        const std::size_t point = std::min(sec.find('.'), sec.size());
        if (point != 2 || !whole_number(sec.substr(0, 2), 0, 60, ss)) return std::nullopt;
        if (point < sec.size() && (sec.size() == point + 1 || !parse_number(sec.substr(point), fraction)))
            return std::nullopt;
    }
    const std::string half = items.size() > 1 ? lowered(items[1]) : "";  // "10:23 PM"
    if ((half == "am" || half == "pm") && (hh < 1 || hh > 12)) return std::nullopt;
    if (half == "am" || half == "pm") hh = hh % 12 + (half == "pm" ? 12 : 0);
    return hh + mm / 60.0 + (ss + fraction) / 3600.0;
}

std::optional<CastTime> parse_time(std::string_view value) {
    std::vector<std::string_view> t = split(value, " \t,");
    std::size_t k = 0;
    if (k < t.size() && is_weekday(t[k])) ++k;
    if (k < t.size() && is_digit(t[k][0]) && t[k].find_first_of("-/") != std::string_view::npos) {
        std::string_view date = t[k], clock = k + 1 < t.size() ? t[k + 1] : std::string_view{};
        if (const std::size_t sep = date.find_first_of("Tt"); sep != std::string_view::npos) {
            clock = date.substr(sep + 1);
            date = date.substr(0, sep);
        }
        std::optional<CastTime> when = numeric_date(date);
        if (when) when->hour = parse_clock(clock);
        return when && when->hour ? when : std::nullopt;
    }
    if (t.size() < k + 4) return std::nullopt;
    CastTime when;
    std::vector<std::string_view> numbers;
    for (std::size_t j = k; j < k + 4; ++j) {
        if (const int m = month_of(t[j]); m && !when.month)
            when.month = m;
        else if (t[j].find(':') != std::string_view::npos && !when.hour)
            when.hour = parse_clock(t[j]);
        else
            numbers.push_back(t[j]);
    }
    if (!when.month || !when.hour || numbers.size() != 2 || !day_and_year(numbers[0], numbers[1], when))
        return std::nullopt;
    return when;
}

std::optional<CastTime> parse_date(std::string_view value) {
    const std::vector<std::string_view> t = split(value, " \t,-/.");
    const std::size_t n = std::min<std::size_t>(3, t.size());
    const std::vector<std::string_view> first(t.begin(), t.begin() + std::ptrdiff_t(n));
    if (first.size() < 3) return std::nullopt;
    CastTime when;
    std::vector<std::string_view> numbers;
    for (std::string_view w : first) {
        if (const int m = month_of(w); m && !when.month)
            when.month = m;
        else
            numbers.push_back(w);
    }
    if (!when.month) return numeric_date(value.substr(0, value.find_first_of(" \t")));
    if (numbers.size() != 2 || !day_and_year(numbers[0], numbers[1], when)) return std::nullopt;
    return when;
}

std::optional<std::pair<Angle, Angle>> CnvHeader::position() const {
    const bool no_fix = nmea_lat && nmea_lon && nmea_lat->degrees == 0 && nmea_lat->minutes == 0 &&
                        nmea_lon->degrees == 0 && nmea_lon->minutes == 0;
    if (nmea_lat && nmea_lon && !no_fix) return std::pair(*nmea_lat, *nmea_lon);
    if (user_lat && user_lon) return std::pair(*user_lat, *user_lon);
    if (bare_lat && bare_lon) return std::pair(*bare_lat, *bare_lon);
    return std::nullopt;
}

std::optional<CastTime> CnvHeader::time() const {
    if (times[0]) return times[0];
    if (times[1]) return times[1];
    if (user_date) {
        CastTime t = *user_date;
        if (!t.hour) t.hour = user_clock;
        return t;
    }
    return times[2] ? times[2] : times[3];
}

bool read_header_line(std::string_view line, int line_number, CnvHeader& h, std::string& why) {
    if (line.starts_with("**")) {
        read_user_line(line.substr(2), h);
        return true;
    }
    if (line.empty() || (line[0] != '*' && line[0] != '#')) return true;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return true;
    const std::string key = plain_name(line.substr(1, equals - 1));
    const std::string_view value = trim(line.substr(equals + 1));
    const std::string at = "line " + std::to_string(line_number);
    if (line[0] == '*') {
        if (key == "nmea latitude")
            keep_first(h.nmea_lat, parse_angle(value, 'N'));
        else if (key == "nmea longitude")
            keep_first(h.nmea_lon, parse_angle(value, 'E'));
        else if (key == "nmea utc")
            keep_first(h.times[0], parse_time(value));
        else if (key == "system utc")
            keep_first(h.times[2], parse_time(value));
        else if (key == "system upload time")
            keep_first(h.times[3], parse_time(value));
        return true;
    }
    if (key == "start_time") {
        keep_first(h.times[1], parse_time(value));
    } else if (key == "bad_flag") {
        double x = 0;
        if (parse_number(value, x)) h.bad_flag = x;
    } else if (key == "nquan") {
        int n = 0;
        if (whole_number(value, 1, kMaxColumns, n)) h.nquan = n;
    } else if (key == "file_type" && lowered(value) == "binary") {
        why = at + " says file_type = binary: this is a binary .cnv file, which must be converted to an ASCII "
                   ".cnv file before it can be loaded";
        return false;
    } else if (key.starts_with("name ")) {
        int index = 0;
        if (!whole_number(trim(std::string_view(key).substr(5)), 0, 1 << 30, index)) return true;
        if (index >= kMaxColumns) {
            why = at + " names column " + std::to_string(index) + "; a cast file holds at most " +
                  std::to_string(kMaxColumns) + " columns";
            return false;
        }
        if (static_cast<std::size_t>(index) >= h.columns.size()) h.columns.resize(static_cast<std::size_t>(index) + 1);
        const std::size_t colon = value.find(':');
        CnvColumn& c = h.columns[static_cast<std::size_t>(index)];
        c.name = std::string(trim(value.substr(0, colon)));
        c.description = colon == std::string_view::npos ? "" : std::string(trim(value.substr(colon + 1)));
    }
    return true;
}

void number_columns_from_zero(CnvHeader& h) {
    const auto named = [](const CnvColumn& c) { return !c.name.empty(); };
    if (h.nquan && h.columns.size() == std::size_t(*h.nquan) + 1 && !named(h.columns[0]) &&
        std::all_of(h.columns.begin() + 1, h.columns.end(), named))
        h.columns.erase(h.columns.begin());
}

std::string cast_number(const std::string& path, int place) {
    std::string name = path.substr(path.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    const std::size_t end = name.find_last_of("0123456789");
    std::string digits;
    if (end == std::string::npos) {
        digits = std::to_string(place);
    } else {
        const std::size_t before = name.find_last_not_of("0123456789", end);
        const std::size_t from = before == std::string::npos ? 0 : before + 1;
        digits = name.substr(from, end + 1 - from);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    }
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

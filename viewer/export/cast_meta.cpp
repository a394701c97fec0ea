#include "export/cast_meta.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "format/utf8_text.h"

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool ends_with(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::string name_of(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string folder_name(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : name_of(path.substr(0, slash));
}

// Days from 1970-01-01 to the given day of the proleptic Gregorian calendar
// (H. Hinnant, "chrono-Compatible Low-Level Date Algorithms", days_from_civil).
long long days_from_civil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct CivilDate {
    long long year;
    unsigned month, day;
};

// The inverse of days_from_civil (same source, civil_from_days).
CivilDate civil_from_days(long long days) {
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<long long>(yoe) + era * 400 + (month <= 2), month, day};
}

bool whole(const Cell& c) { return c.is_set() && std::isfinite(c.value()) && c.value() == std::floor(c.value()); }

}  // namespace

std::vector<int> exported_casts(const CruiseData& d) {
    std::vector<int> casts;
    const int n = std::clamp(static_cast<int>(d.ncast), 0, kMaxCast);
    for (int c = 1; c <= n; ++c)
        if (!d.castfile[c].empty()) casts.push_back(c);
    return casts;
}

std::string cast_format(const CruiseData& d, int c) {
    const std::string name = lower(d.castfile[c]);
    if (ends_with(name, ".pre")) return "SB911";
    if (ends_with(name, ".asc")) return "Bongo-SB";
    if (ends_with(name, ".cnv")) return "CNV";
    return "";
}

std::string cruise_name(const CruiseData& d, int c) {
    const std::string& file = d.castfile[c];
    const std::string tail = "d" + d.castno[c] + ".pre";  // the SB911 reader's naming
    if (cast_format(d, c) == "SB911" && ends_with(lower(file), lower(tail)) && name_of(file).size() > tail.size())
        return name_of(file.substr(0, file.size() - tail.size()));
    return folder_name(file);
}

std::optional<double> cast_time(const CruiseData& d, int c) {
    if (!whole(d.year[c]) || !whole(d.month[c]) || !whole(d.day[c]) || !d.hour[c].is_set()) return std::nullopt;
    double year = d.year[c].value();
    if (year >= 0 && year < 100) year += year >= 70 ? 1900 : 2000;
    const double month = d.month[c].value(), day = d.day[c].value(), hour = d.hour[c].value();
    if (year < 1 || year > 9999 || month < 1 || month > 12 || !(hour >= 0 && hour < 24)) return std::nullopt;
    const auto y = static_cast<long long>(year);
    const auto m = static_cast<unsigned>(month);
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (day < 1 || day > kDays[m - 1] + (m == 2 && leap)) return std::nullopt;
    return double(days_from_civil(y, m, unsigned(day))) * 86400 + hour * 3600;
}

std::string iso_time(double seconds, int decimals) {
    decimals = std::clamp(decimals, 0, 3);
    const double scale = std::pow(10.0, decimals);
    const auto ticks = static_cast<long long>(std::llround(seconds * scale));
    const auto per_day = static_cast<long long>(86400 * scale);
    long long days = ticks / per_day, rest = ticks % per_day;
    if (rest < 0) {
        rest += per_day;
        --days;
    }
    const CivilDate date = civil_from_days(days);
    const auto sec = static_cast<long long>(scale);
    const long long s = rest / sec, frac = rest % sec;
    char buf[96];
    std::snprintf(buf, sizeof buf, "%04lld-%02u-%02uT%02lld:%02lld:%02lld", date.year, date.month, date.day, s / 3600,
                  s / 60 % 60, s % 60);
    std::string out = buf;
    if (decimals > 0) {
        std::snprintf(buf, sizeof buf, ".%0*lld", decimals, frac);
        out += buf;
    }
    return out;
}

std::optional<double> finite_value(const Cell& cell) {
    if (!cell.is_set() || !std::isfinite(cell.value())) return std::nullopt;
    return cell.value();
}

std::string clean_text(std::string_view text) {
    std::string s = utf8_text(text);
    const std::size_t first = s.find_first_not_of(' '), last = s.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

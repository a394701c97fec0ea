#include "readers/cnv_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <utility>

#include "readers/number_stream.h"
#include "readers/pressure_depth.h"
#include "readers/record_fields.h"
#include "readers/sigma_t.h"
#include "readers/text_source.h"

namespace {

constexpr int kMaxColumns = 1000;
constexpr int kMaxBins = kMaxScan;
// Depths a cast may hold, metres; half-metre steps keep the binning memory fixed.
constexpr double kShallowest = -100, kDeepest = 12000;
constexpr std::array<int, 10> kBinWidths = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

std::string_view trim(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    const std::size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

bool starts_with(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

// A position as degrees and minutes of a hemisphere.
struct Angle {
    double degrees = 0, minutes = 0;
    bool positive = true;  // north or east
};

// A position value: degrees and decimal minutes or decimal degrees, with an
// optional hemisphere letter ('N'/'S' for axis 'N', 'E'/'W' for axis 'E'),
// signed north / east without one.
std::optional<Angle> parse_angle(std::string_view value, char axis) {
    std::vector<std::string_view> items = words(value);
    if (items.empty()) return std::nullopt;
    char letter = 0;
    std::string_view& last = items.back();
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(last.back())));
    if (c == 'N' || c == 'S' || c == 'E' || c == 'W') {
        letter = c;
        last.remove_suffix(1);
        if (last.empty()) items.pop_back();
    }
    if (letter && (letter == 'N' || letter == 'S') != (axis == 'N')) return std::nullopt;
    if (items.empty() || items.size() > 2) return std::nullopt;
    double deg = 0, min = 0;
    if (!parse_number(items[0], deg)) return std::nullopt;
    if (items.size() == 2 && (!parse_number(items[1], min) || min < 0 || min >= 60)) return std::nullopt;
    const bool negative = items[0][0] == '-';
    if (letter && negative) return std::nullopt;
    Angle a;
    a.positive = letter ? letter == 'N' || letter == 'E' : !negative;
    deg = std::fabs(deg);
    if (items.size() == 2) {
        a.degrees = deg;
        a.minutes = min;
    } else {
        a.degrees = std::floor(deg);
        a.minutes = (deg - a.degrees) * 60;
    }
    if (a.degrees + a.minutes / 60 > (axis == 'N' ? 90 : 180)) return std::nullopt;
    return a;
}

struct Time {
    int year = 0, month = 0, day = 0;
    double hour = 0;
};

bool whole_number(std::string_view s, int lo, int hi, int& out) {
    double x = 0;
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos ||
        !parse_number(s, x) || x < lo || x > hi)
        return false;
    out = static_cast<int>(x);
    return true;
}

// "Jul 05 2024 08:40:34", anything after it ignored.
std::optional<Time> parse_time(std::string_view value) {
    static const char* const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    const std::vector<std::string_view> items = words(value);
    if (items.size() < 4 || items[0].size() < 3) return std::nullopt;
    Time t;
    const std::string month = lowered(items[0].substr(0, 3));
    for (int m = 0; m < 12; ++m)
        if (month == months[m]) t.month = m + 1;
    int hh = 0, mm = 0, ss = 0;
    const std::string_view clock = items[3];
    if (t.month == 0 || !whole_number(items[1], 1, 31, t.day) || !whole_number(items[2], 0, 99999, t.year) ||
        clock.size() < 8 || clock[2] != ':' || clock[5] != ':' || !whole_number(clock.substr(0, 2), 0, 23, hh) ||
        !whole_number(clock.substr(3, 2), 0, 59, mm) || !whole_number(clock.substr(6, 2), 0, 60, ss))
        return std::nullopt;
    double fraction = 0;  // "08:40:34.25"
    if (clock.size() > 8 && (clock[8] != '.' || !parse_number(clock.substr(8), fraction))) return std::nullopt;
    t.hour = hh + mm / 60.0 + (ss + fraction) / 3600.0;
    return t;
}

// The first number in `text`, if any: "~ 75 m" gives 75.
std::optional<double> first_number(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digit_next = i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
        if ((c >= '0' && c <= '9') || ((c == '-' || c == '+' || c == '.') && digit_next))
            return leading_number(text.substr(i));
    }
    return std::nullopt;
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

// What a file's header says.
struct CnvHeader {
    std::vector<std::string> names;  // column i's name, empty where none is given
    std::optional<double> bad_flag;
    std::optional<Angle> nmea_lat, nmea_lon, user_lat, user_lon;
    std::array<std::optional<Time>, 4> times;  // NMEA UTC, start_time, System UTC, System UpLoad Time
    std::optional<std::string> station;
    std::optional<double> bottom;
};

// The header's position: the NMEA pair, else the "**" pair; nothing without a whole pair.
std::optional<std::pair<Angle, Angle>> position_of(const CnvHeader& h) {
    if (h.nmea_lat && h.nmea_lon) return std::pair(*h.nmea_lat, *h.nmea_lon);
    if (h.user_lat && h.user_lon) return std::pair(*h.user_lat, *h.user_lon);
    return std::nullopt;
}

// One header line into `h`; false with `why` for a line the load cannot go on with.
bool read_header_line(std::string_view line, int line_number, CnvHeader& h, std::string& why) {
    if (starts_with(line, "**")) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return true;
        const std::string name = lowered(trim(line.substr(2, colon - 2)));
        const std::string_view value = trim(line.substr(colon + 1));
        if (name == "latitude" || name == "lat") {
            if (!h.user_lat) h.user_lat = parse_angle(value, 'N');
        } else if (name == "longitude" || name == "lon" || name == "long") {
            if (!h.user_lon) h.user_lon = parse_angle(value, 'E');
        } else if (name == "station") {
            if (!h.station) h.station = std::string(value.substr(0, 3));
        } else if (!h.bottom && (name.find("bottom") != std::string::npos || name.find("water depth") != std::string::npos)) {
            h.bottom = first_number(value);
        }
        return true;
    }
    if (line.empty() || (line[0] != '*' && line[0] != '#')) return true;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return true;
    const std::string_view key = trim(line.substr(1, equals - 1));
    const std::string_view value = trim(line.substr(equals + 1));
    if (line[0] == '*') {
        if (key == "NMEA Latitude") h.nmea_lat = parse_angle(value, 'N');
        else if (key == "NMEA Longitude") h.nmea_lon = parse_angle(value, 'E');
        else if (key == "NMEA UTC (Time)") h.times[0] = parse_time(value);
        else if (key == "System UTC") h.times[2] = parse_time(value);
        else if (key == "System UpLoad Time") h.times[3] = parse_time(value);
        return true;
    }
    if (key == "start_time") {
        h.times[1] = parse_time(value);
    } else if (key == "bad_flag") {
        double x = 0;
        if (parse_number(value, x)) h.bad_flag = x;
    } else if (starts_with(key, "name ")) {
        int index = 0;
        if (!whole_number(trim(key.substr(5)), 0, 1 << 30, index)) return true;
        if (index >= kMaxColumns) {
            why = "line " + std::to_string(line_number) + " names column " + std::to_string(index) +
                  "; a cast file holds at most " + std::to_string(kMaxColumns) + " columns";
            return false;
        }
        if (static_cast<std::size_t>(index) >= h.names.size()) h.names.resize(static_cast<std::size_t>(index) + 1);
        h.names[static_cast<std::size_t>(index)] = std::string(trim(value.substr(0, value.find(':'))));
    }
    return true;
}

// The column of the first name of `choices` that the header has, -1 if none.
int column_named(const std::vector<std::string>& names, std::initializer_list<const char*> choices) {
    for (const char* choice : choices)
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == choice) return static_cast<int>(i);
    return -1;
}

template <typename Pred>
int first_column(const std::vector<std::string>& names, Pred pred) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (pred(names[i])) return static_cast<int>(i);
    return -1;
}

struct Columns {
    int depth = -1, temp = -1, salt = -1, fluor = -1, trans = -1;
    bool pressure = false;  // the depth column holds pressure, dbar
};

bool choose_columns(const std::vector<std::string>& names, Columns& c, std::string& why) {
    c.depth = column_named(names, {"depSM", "depFM"});
    if (c.depth < 0) {
        c.depth = column_named(names, {"prDM", "prdM", "prM", "prSM"});
        c.pressure = c.depth >= 0;
    }
    c.temp = column_named(names, {"t090C", "t090", "tv290C", "t068C", "t068", "tv268C", "t190C"});
    c.salt = column_named(names, {"sal00", "sal11"});
    c.fluor = first_column(names, [](const std::string& n) {
        return (starts_with(n, "fl") && !starts_with(n, "flag")) || n == "wetStar";
    });
    c.trans = first_column(names, [](const std::string& n) { return starts_with(n, "xmiss") || starts_with(n, "CStarTr"); });
    if (c.depth < 0) why = "names no depth or pressure column (depSM, depFM, prDM, prdM, prM or prSM)";
    else if (c.temp < 0) why = "names no temperature column (t090C, t090, tv290C, t068C, t068, tv268C or t190C)";
    else if (c.salt < 0) why = "names no salinity column (sal00 or sal11)";
    return why.empty();
}

// The downcast in half-metre steps: every depth bin of every width in
// kBinWidths is a whole number of steps, so the bins are sums of steps.
class DowncastBins {
public:
    // Starts a new cast.
    void clear() {
        kept_.clear();
        after_.clear();
        after_touched_.clear();
        lo_ = kSteps;
        hi_ = -1;
        deepest_.reset();
    }

    // One scan; `depth` must lie within kShallowest..kDeepest.
    void add(double depth, double t, double s, std::optional<double> fl, std::optional<double> tr) {
        const int h = static_cast<int>(std::floor(depth * 2)) - kFirstStep;
        if (!deepest_ || depth > *deepest_) {
            // The downcast reaches this scan: the scans since the last deepest one join it.
            for (int k : after_touched_) {
                kept_.at(k).merge(after_.at(k));
                after_.at(k) = Sums{};
                widen(k);
            }
            after_touched_.clear();
            kept_.at(h).add(t, s, fl, tr);
            widen(h);
            deepest_ = depth;
        } else {
            Sums& bin = after_.at(h);
            if (bin.n == 0) after_touched_.push_back(h);
            bin.add(t, s, fl, tr);
        }
    }

    // Stores the bins as scans 1.. of cast i and returns their number.
    int store(CruiseData& d, int i) const {
        const int w = width();
        int j = 0;
        Sums bin;
        long long n = 0;
        const auto flush = [&] {
            if (bin.n == 0) return;
            ++j;
            const double t = bin.t / double(bin.n), s = bin.s / double(bin.n);
            d.castdat(i, j, kDepth) = double(n) * w;
            d.castdat(i, j, kTemp) = t;
            d.castdat(i, j, kSalt) = s;
            d.castdat(i, j, kSigma) = sigmat(t, s);
            store_mean(d.castdat(i, j, kFluor), bin.fl, bin.nfl);
            store_mean(d.castdat(i, j, kTrans), bin.tr, bin.ntr);
            bin = Sums{};
        };
        for (int h = lo_; h <= hi_; ++h) {
            const Sums& step = kept_[h];
            if (step.n == 0) continue;
            const long long m = bin_of(h, w);
            if (m != n) flush();
            n = m;
            bin.merge(step);
        }
        flush();
        d.npts[i] = j;
        return j;
    }

private:
    static constexpr int kFirstStep = static_cast<int>(kShallowest * 2);
    static constexpr int kSteps = static_cast<int>((kDeepest - kShallowest) * 2);

    struct Sums {
        double t = 0, s = 0, fl = 0, tr = 0;
        std::uint64_t n = 0, nfl = 0, ntr = 0;
        void add(double tv, double sv, std::optional<double> flv, std::optional<double> trv) {
            t += tv;
            s += sv;
            ++n;
            if (flv) fl += *flv, ++nfl;
            if (trv) tr += *trv, ++ntr;
        }
        void merge(const Sums& o) {
            t += o.t, s += o.s, fl += o.fl, tr += o.tr;
            n += o.n, nfl += o.nfl, ntr += o.ntr;
        }
    };

    // Sums by step, held only over the steps the cast has reached (grown by
    // doubling either way), so a shallow cast or a short file costs little.
    class StepTable {
    public:
        Sums& at(int h) {
            const int size = static_cast<int>(v_.size());
            if (size == 0) {
                base_ = h;
                v_.resize(1);
            } else if (h < base_) {
                const int base = std::max(0, std::min(h, base_ - size));
                v_.insert(v_.begin(), static_cast<std::size_t>(base_ - base), Sums{});
                base_ = base;
            } else if (h >= base_ + size) {
                v_.resize(static_cast<std::size_t>(std::min(std::max(h + 1, base_ + 2 * size), kSteps) - base_));
            }
            return v_[static_cast<std::size_t>(h - base_)];
        }
        // Step h, which at() has reached since the last clear().
        const Sums& operator[](int h) const { return v_[static_cast<std::size_t>(h - base_)]; }
        void clear() { v_.clear(); }

    private:
        int base_ = 0;
        std::vector<Sums> v_;
    };

    // The bin of width w holding step h: floor(depth / w + 0.5) for every depth
    // of the step, worked exactly in whole half metres.
    static long long bin_of(int h, int w) {
        const long long num = static_cast<long long>(h) + kFirstStep + w, den = 2LL * w;
        return num >= 0 ? num / den : -((-num + den - 1) / den);
    }

    // The narrowest width giving at most kMaxBins non-empty bins.
    int width() const {
        for (int w : kBinWidths) {
            int count = 0;
            long long last = 0;
            for (int h = lo_; h <= hi_ && count <= kMaxBins; ++h) {
                if (kept_[h].n == 0) continue;
                const long long m = bin_of(h, w);
                if (count == 0 || m != last) ++count;
                last = m;
            }
            if (count <= kMaxBins) return w;
        }
        return kBinWidths.back();
    }

    static void store_mean(Cell& cell, double sum, std::uint64_t count) {
        if (count)
            cell = sum / double(count);
        else
            cell.reset();
    }

    void widen(int h) {
        lo_ = std::min(lo_, h);
        hi_ = std::max(hi_, h);
    }

    StepTable kept_, after_;
    std::vector<int> after_touched_;
    int lo_ = kSteps, hi_ = -1;
    std::optional<double> deepest_;
};

void store_header(CruiseData& d, int i, const CnvHeader& h, const std::string& path, int place) {
    if (const auto position = position_of(h)) {
        const auto& [lat, lon] = *position;
        const double ns = lat.positive ? 1 : -1, ew = lon.positive ? -1 : 1;  // store: north and west
        d.latdeg[i] = ns * lat.degrees;
        d.latmin[i] = ns * lat.minutes;
        d.lat[i] = ns * (lat.degrees + lat.minutes / 60);
        d.londeg[i] = ew * lon.degrees;
        d.lonmin[i] = ew * lon.minutes;
        d.lon[i] = ew * (lon.degrees + lon.minutes / 60);
    } else {
        for (CruiseData::CastCells* c : {&d.latdeg, &d.latmin, &d.lat, &d.londeg, &d.lonmin, &d.lon}) (*c)[i].reset();
    }
    std::optional<Time> when;
    for (const auto& t : h.times)
        if (!when && t) when = t;
    if (when) {
        d.year[i] = when->year % 100;
        d.month[i] = when->month;
        d.day[i] = when->day;
        d.hour[i] = when->hour;
    } else {
        for (CruiseData::CastCells* c : {&d.year, &d.month, &d.day, &d.hour}) (*c)[i].reset();
    }
    d.castno[i] = cast_number(path, place);
    d.stdsta[i] = h.station.value_or("");
    if (h.bottom)
        d.botdep[i] = *h.bottom;
    else
        d.botdep[i].reset();
    d.castfile[i] = path;
}

// Reads one file into cast i; false with `why` (and the store left alone) on a failure.
bool read_cast(CruiseData& d, int i, const std::string& path, TextSource& src, DowncastBins& bins, std::string& why) {
    if (!src.open(path, why)) return false;
    CnvHeader h;
    std::string_view line;
    bool header_ended = false;
    while (!header_ended && src.next_line(line)) {
        if (starts_with(trim(line), "*END*")) header_ended = true;
        else if (!read_header_line(line, src.line_number(), h, why)) return false;
    }
    if (src.failed()) return why = src.why(), false;
    if (!header_ended) return why = "ends before its *END* line, so it holds no scans", false;
    Columns c;
    if (!choose_columns(h.names, c, why)) return false;

    const auto position = position_of(h);
    const Angle& lat = position ? position->first : Angle{45, 0, true};  // pressure to depth at 45 without one
    const double latitude = (lat.positive ? 1 : -1) * (lat.degrees + lat.minutes / 60);
    const std::size_t ncols = h.names.size();
    std::vector<double> x(ncols);
    const auto bad = [&](double v) { return h.bad_flag && v == *h.bad_flag; };
    bins.clear();
    while (src.next_line(line)) {
        std::size_t k = 0, pos = 0;
        while (k < ncols) {
            while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
            if (pos == line.size()) break;
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
            const std::string_view item = line.substr(start, pos - start);
            if (!parse_number(item, x[k])) {
                why = "line " + std::to_string(src.line_number()) + ": " + quoted_item(item) + " is not a number";
                return false;
            }
            ++k;
        }
        if (k == 0) continue;  // a blank line
        if (k < ncols) {
            why = "line " + std::to_string(src.line_number()) + " holds " + std::to_string(k) + " of the " +
                  std::to_string(ncols) + " values the header names";
            return false;
        }
        const double z = x[std::size_t(c.depth)], t = x[std::size_t(c.temp)], s = x[std::size_t(c.salt)];
        if (bad(z) || bad(t) || bad(s)) continue;
        const double depth = c.pressure ? unesco_depth(z, latitude) : z;
        if (!(depth >= kShallowest && depth < kDeepest)) {
            char text[32];
            std::snprintf(text, sizeof text, "%.6g", depth);
            why = "line " + std::to_string(src.line_number()) + ": a depth of " + text + " m lies outside -100 to 12000 m";
            return false;
        }
        const auto optional_value = [&](int col) -> std::optional<double> {
            if (col < 0 || bad(x[std::size_t(col)])) return std::nullopt;
            return x[std::size_t(col)];
        };
        bins.add(depth, t, s, optional_value(c.fluor), optional_value(c.trans));
    }
    if (src.failed()) return why = src.why(), false;

    store_header(d, i, h, path, i);
    bins.store(d, i);
    if (i == 1) d.ncol = c.trans >= 0 ? 5 : 4;
    return true;
}

}  // namespace

std::vector<std::string> cnv_load_order(std::vector<std::string> paths) {
    const auto name = [](const std::string& p) { return std::string_view(p).substr(p.rfind('/') + 1); };
    std::stable_sort(paths.begin(), paths.end(), [&](const std::string& a, const std::string& b) {
        const std::string_view na = name(a), nb = name(b);
        return na != nb ? na < nb : a < b;
    });
    return paths;
}

LoadResult read_cnv(CruiseData& d, const std::vector<std::string>& paths, const ReadProgress& progress) {
    LoadResult result;
    result.first_cast = 1;
    const std::vector<std::string> files = cnv_load_order(paths);
    result.header_read = !files.empty();
    TextSource src;
    DowncastBins bins;
    std::string why;
    const int n = static_cast<int>(std::min<std::size_t>(files.size(), kMaxCast));
    for (int i = 1; i <= n; ++i) {
        const std::string& path = files[static_cast<std::size_t>(i - 1)];
        if (progress) progress(path);
        if (!read_cast(d, i, path, src, bins, why)) {
            result.stop(path, why);
            break;
        }
        result.ncast = i;
    }
    if (!result.stopped && files.size() > static_cast<std::size_t>(kMaxCast))
        result.stop(files[kMaxCast], "was not loaded, nor were the files after it in name order (" +
                                         std::to_string(files.size() - kMaxCast) +
                                         " files in all): a load holds at most " + std::to_string(kMaxCast) + " casts");
    d.ncast = result.ncast;
    return result;
}

#include "readers/cnv_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "readers/cnv_bins.h"
#include "readers/cnv_columns.h"
#include "readers/cnv_header.h"
#include "readers/text_items.h"
#include "readers/text_source.h"

namespace {

// Sea-Bird writes each value right-aligned in 11 characters.
constexpr std::size_t kFieldWidth = 11;

std::string at_line(int n) { return "line " + std::to_string(n); }

// A line of column titles: printable text with letters and no numbers.
bool is_title_line(std::string_view line) {
    bool letter = false;
    for (char c : line) {
        if ((c < 0x20 && c != '\t') || c >= 0x7f) return false;
        letter = letter || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }
    double x = 0;
    for (std::string_view w : words(line))
        if (parse_number(w, x)) return false;
    return letter;
}

// Splits a data line into its items: blank- or tab-separated, else, for a
// line of whole 11-character fields whose items touch, the fields.
class LineItems {
public:
    // The values of the columns `used` (of the first n) into x; false with
    // `why` when the line holds fewer than n items or a used one is no number.
    bool read(std::string_view line, std::size_t n, const std::vector<int>& used, std::vector<double>& x,
              std::string& why, int line_number) {
        const std::string separated = split(line, n, used, x, line_number);
        if (separated.empty()) return true;
        if (line.size() % kFieldWidth == 0 && line.size() / kFieldWidth >= n && fields(line, used, x)) return true;
        why = separated;
        return false;
    }

private:
    // Blank-separated items; an empty string, or what is wrong.
    std::string split(std::string_view line, std::size_t n, const std::vector<int>& used, std::vector<double>& x,
                      int line_number) {
        items_.clear();
        std::size_t pos = 0;
        while (items_.size() < n) {
            while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
            if (pos == line.size()) break;
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
            items_.push_back(line.substr(start, pos - start));
        }
        if (items_.size() < n)
            return at_line(line_number) + " holds " + std::to_string(items_.size()) + " of the " + std::to_string(n) +
                   " values the header names";
        for (int k : used)
            if (!parse_number(items_[std::size_t(k)], x[std::size_t(k)]))
                return at_line(line_number) + ": " + quoted_item(items_[std::size_t(k)]) + " is not a number";
        return {};
    }

    static bool fields(std::string_view line, const std::vector<int>& used, std::vector<double>& x) {
        for (int k : used)
            if (!parse_number(trim(line.substr(std::size_t(k) * kFieldWidth, kFieldWidth)), x[std::size_t(k)]))
                return false;
        return true;
    }

    std::vector<std::string_view> items_;
};

// What one file gives the store.
struct CnvCast {
    CnvHeader header;
    std::optional<std::pair<Angle, Angle>> position;
    std::vector<Bin> bins;
    bool with_trans = false;
    int scan_lines = 0;  // data lines read, usable or not
};

// Reads one .cnv file into `cast`; false with `why` on a failure.
bool read_cast(TextSource& src, DowncastBins& bins, CnvCast& cast, std::string& why) {
    CnvHeader& h = cast.header;
    std::string_view line;
    bool header_ended = false;
    while (!header_ended && src.next_line(line)) {
        if (trim(line).starts_with("*END*")) header_ended = true;
        else if (!read_header_line(line, src.line_number(), h, why)) return false;
    }
    if (src.failed()) return why = src.why(), false;
    if (!header_ended) return why = "ends before its *END* line, so it holds no scans", false;
    CnvColumns c;
    if (!choose_columns(h.columns, c, why)) return false;
    cast.with_trans = c.trans >= 0;

    const auto header_position = h.position();
    ScanMaker make(c, h.bad_flag,
                   header_position ? std::optional(header_position->first.signed_degrees()) : std::nullopt);
    const std::vector<int> used = c.used();
    const std::size_t ncols = h.columns.size();
    std::vector<double> x(ncols);
    LineItems items;
    bins.clear();
    bool first = true;
    while (src.next_line(line)) {
        if (is_blank(line)) continue;
        if (std::exchange(first, false) && is_title_line(line)) continue;
        if (!items.read(line, ncols, used, x, why, src.line_number())) return false;
        ++cast.scan_lines;
        for (int k : used) {
            if (std::fabs(x[std::size_t(k)]) > kLargestValue) {
                char text[32];
                std::snprintf(text, sizeof text, "%.9g", x[std::size_t(k)]);
                why = at_line(src.line_number()) + ": " + h.columns[std::size_t(k)].name + " holds " + text +
                      ", beyond the 1e9 that any measured value stays within";
                return false;
            }
        }
        const std::optional<Scan> scan = make(x.data());
        if (!scan) continue;
        if (!(scan->depth >= kShallowest && scan->depth < kDeepest)) {
            char text[32];
            std::snprintf(text, sizeof text, "%.6g", scan->depth);
            why = at_line(src.line_number()) + ": a depth of " + text + " m lies outside -100 to 12000 m";
            return false;
        }
        bins.add(*scan);
    }
    if (src.failed()) return why = src.why(), false;
    cast.position = header_position ? header_position : make.data_position();
    cast.bins = bins.take();
    return true;
}

void store_cast(CruiseData& d, int i, const CnvCast& cast, const std::string& path) {
    const CnvHeader& h = cast.header;
    if (cast.position) {
        const auto& [lat, lon] = *cast.position;
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
    for (CruiseData::CastCells* c : {&d.year, &d.month, &d.day, &d.hour}) (*c)[i].reset();
    if (const auto when = h.time()) {
        d.year[i] = when->year % 100;
        d.month[i] = when->month;
        d.day[i] = when->day;
        if (when->hour) d.hour[i] = *when->hour;
    }
    d.castno[i] = cast_number(path, i);
    d.stdsta[i] = h.station.value_or("");
    if (h.bottom)
        d.botdep[i] = *h.bottom;
    else
        d.botdep[i].reset();
    d.castfile[i] = path;
    int j = 0;
    for (const Bin& b : cast.bins) {
        ++j;
        d.castdat(i, j, kDepth) = b.depth;
        d.castdat(i, j, kTemp) = b.t;
        d.castdat(i, j, kSalt) = b.s;
        store_sigma(d.castdat(i, j, kSigma), b.t, b.s);
        for (const auto& [v, mean] : {std::pair(kFluor, b.fl), std::pair(kTrans, b.tr)}) {
            if (mean)
                d.castdat(i, j, v) = *mean;
            else
                d.castdat(i, j, v).reset();
        }
    }
    d.npts[i] = j;
    if (i == 1) d.ncol = cast.with_trans ? 5 : 4;
}

std::string no_scans_text(const CnvCast& cast) {
    if (cast.scan_lines == 0) return "holds no scans after its *END* line; its header is loaded";
    return "holds no usable scans: every one of its " + std::to_string(cast.scan_lines) +
           " scans is marked bad; its header is loaded";
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
    struct Seen {
        dev_t device;
        ino_t inode;
        const std::string* path;
    };
    std::vector<Seen> seen;
    std::string why;
    int i = 0;
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::string& path = files[f];
        if (i == kMaxCast) {
            result.stop(path, "was not loaded, nor were the files after it in name order (" +
                                  std::to_string(files.size() - f) + " files in all): a load holds at most " +
                                  std::to_string(kMaxCast) + " casts");
            break;
        }
        if (progress) progress(path);
        if (!src.open(path, why)) {
            result.stop(path, why);
            break;
        }
        const auto same = std::find_if(seen.begin(), seen.end(), [&](const Seen& s) {
            return s.device == src.device() && s.inode == src.inode();
        });
        if (same != seen.end()) {
            result.issues.push_back({path, "is the same file as " + *same->path + ", so it is loaded once"});
            continue;
        }
        seen.push_back({src.device(), src.inode(), &path});
        CnvCast cast;
        if (!read_cast(src, bins, cast, why)) {
            result.stop(path, why);
            break;
        }
        store_cast(d, ++i, cast, path);
        if (cast.bins.empty()) {
            result.issues.push_back({path, no_scans_text(cast)});
            ++result.casts_without_scans;
        }
        result.ncast = i;
    }
    d.ncast = result.ncast;
    return result;
}

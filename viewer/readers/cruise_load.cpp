#include "readers/cruise_load.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "readers/file_name_case.h"
#include "readers/number_stream.h"
#include "readers/record_fields.h"
#include "readers/sigma_t.h"
#include "readers/text_source.h"

void store_sigma(Cell& cell, double t, double s) {
    const double x = sigmat(t, s);
    if (std::isfinite(x))
        cell = x;
    else
        cell.reset();
}

void store_cast_header(CruiseData& d, int i, const CastHeader& h) {
    d.latdeg[i] = h.latdeg;
    d.latmin[i] = h.latmin;
    d.lat[i] = h.latdeg + h.latmin / 60;
    d.londeg[i] = h.londeg;
    d.lonmin[i] = h.lonmin;
    d.lon[i] = h.londeg + h.lonmin / 60;
    d.castno[i] = h.castno;
    d.stdsta[i] = h.stdsta;
    d.botdep[i] = h.botdep;
    if (h.has_year)
        d.year[i] = h.year;
    else
        d.year[i].reset();
    d.month[i] = h.month;
    d.day[i] = h.day;
    d.hour[i] = h.hour;
    d.castfile[i] = h.castfile;
}

bool read_scans(TextSource& src, int width, CastScans& scans, std::string& why, std::string_view first_line) {
    scans.width = width;
    scans.values.clear();
    scans.more = false;
    NumberStream stream(src, first_line);
    for (int scan = 1;; ++scan) {
        if (scan > kMaxScan) {
            scans.more = !stream.at_end();
            return true;
        }
        for (int k = 0; k < width; ++k) {
            double x = 0;
            switch (stream.next(x)) {
                case NumberStream::Item::number:
                    if (std::fabs(x) > kLargestValue) {
                        why = "line " + std::to_string(stream.line()) + ": " + quoted_item(stream.item()) +
                              " is beyond the 1e9 that any measured value stays within";
                        return false;
                    }
                    scans.values.push_back(x);
                    break;
                case NumberStream::Item::end:
                    if (k == 0) return true;
                    why = "scan " + std::to_string(scan) + " is cut short by the end of the file (" +
                          std::to_string(k) + " of " + std::to_string(width) + " values)";
                    return false;
                case NumberStream::Item::bad:
                    why = "line " + std::to_string(stream.line()) + ": " + quoted_item(stream.item()) +
                          " is not a number";
                    return false;
                case NumberStream::Item::failed:
                    why = src.why();
                    return false;
            }
        }
    }
}

void read_header_records(CruiseData& d, const std::string& header_path, const char* unit,
                         const std::function<CastHeader(std::string_view record)>& parse, const CastLoader& load,
                         const ReadProgress& progress, LoadResult& result) {
    result.ncast = result.first_cast - 1;
    TextSource header, cast;
    std::string why;
    if (!header.open(header_path, why)) {
        result.stop(header_path, why);
        d.ncast = result.ncast;
        return;
    }
    result.header_read = true;

    std::string_view line;
    int i = result.first_cast - 1;
    while (header.next_line(line)) {
        if (is_blank(line)) continue;
        if (i == kMaxCast) {
            const int n = kMaxCast - result.first_cast + 1;
            result.stop(header_path, "lists more than " + std::to_string(n) + " " + unit + "; the first " +
                                         std::to_string(n) + " were loaded (casts " +
                                         std::to_string(result.first_cast) + " to " + std::to_string(kMaxCast) + ")");
            break;
        }
        ++i;
        CastHeader h = parse(header_item(line));
        h.castfile = match_name_case(h.castfile);  // a cast file from DOS media may differ in case
        // The cast number becomes part of a file name: a NUL would cut the
        // name short and open another file.
        const auto bad = std::find_if(h.castno.begin(), h.castno.end(), [](char c) {
            return (static_cast<unsigned char>(c) < 32 && c != '\t') || c == 127;
        });
        if (bad != h.castno.end()) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(*bad));
            result.stop(header_path, "line " + std::to_string(header.line_number()) +
                                         ": the cast number holds a control character (" + code +
                                         "), so no cast file can be named from it");
            break;
        }
        if (progress) progress(h.castfile);
        if (!cast.open(h.castfile, why) || !load(i, h, cast, why)) {
            result.stop(h.castfile, why);
            break;
        }
        store_cast_header(d, i, h);
        result.ncast = i;
    }
    if (header.failed() && !result.stopped) result.stop(header_path, header.why());
    d.ncast = result.ncast;
}

void note_scans_cut(LoadResult& result, const std::string& castfile) {
    result.issues.push_back({castfile, "holds more than " + std::to_string(kMaxScan) + " scans; the first " +
                                           std::to_string(kMaxScan) + " were kept"});
}

#include "readers/sb911_reader.h"

#include "readers/record_fields.h"
#include "readers/text_source.h"

namespace {

CastHeader parse_record(std::string_view record) {
    CastHeader h;
    h.latdeg = field_value(field(record, 5, 6));
    h.latmin = field_value(field(record, 7, 9)) / 10;
    h.londeg = field_value(field(record, 10, 12));
    h.lonmin = field_value(field(record, 13, 15)) / 10;
    h.year = field_value(field(record, 19, 20));
    h.has_year = true;
    h.month = field_value(field(record, 21, 22));
    h.day = field_value(field(record, 23, 24));
    h.hour = field_value(field(record, 25, 27)) / 10;
    h.castno = field(record, 31, 33);
    h.botdep = field_value(field(record, 34, 37));
    h.stdsta = field(record, 70, 72);
    return h;
}

// The first line of `src` that is not blank, into `line`; false when there is
// none (or the source failed).
bool first_filled_line(TextSource& src, std::string_view& line) {
    while (src.next_line(line))
        if (!is_blank(line)) return true;
    return false;
}

std::string layout_problem(int count) {
    if (count < 0) return "holds no scans, so the cast layout of the cruise cannot be taken from it";
    const int values = count + 1;
    return "its first line holds " + std::to_string(values) + (values == 1 ? " value" : " values") +
           "; a cast file holds 5 or 6 to a scan";
}

void store_scans(CruiseData& d, int i, const CastScans& scans) {
    const bool with_trans = scans.width == 6;
    const int n = scans.count();
    for (int j = 1; j <= n; ++j) {
        for (int v = kDepth; v <= kFluor; ++v) d.castdat(i, j, v) = scans.at(j, v - 1);
        d.castdat(i, j, kTrans) = with_trans ? scans.at(j, 4) : 0.0;
        store_sigma(d.castdat(i, j, kSigma), d.castdat(i, j, kTemp), d.castdat(i, j, kSalt));
    }
    d.npts[i] = n;
}

}  // namespace

LoadResult read_sb911(CruiseData& d, const std::string& header_path, const ReadProgress& progress) {
    LoadResult result;
    result.first_cast = 1;
    const std::string base = header_path.substr(0, header_path.size() >= 4 ? header_path.size() - 4 : 0);
    const auto parse = [&base](std::string_view record) {
        CastHeader h = parse_record(record);
        h.castfile = base + "d" + h.castno + ".PRE";
        return h;
    };
    CastScans scans;
    int width = 0;  // numbers per scan, from cast 1
    const auto load = [&](int i, const CastHeader& h, TextSource& src, std::string& why) {
        std::string_view first;
        if (i == 1) {
            const bool filled = first_filled_line(src, first);
            if (src.failed()) return why = src.why(), false;
            const int count = filled ? layout_count(header_item(first)) : -1;
            if (count != 4 && count != 5) {
                why = layout_problem(count);
                return false;
            }
            d.ncol = count;
            width = count + 1;
        }
        if (!read_scans(src, width, scans, why, first)) return false;
        if (scans.more) note_scans_cut(result, h.castfile);
        store_scans(d, i, scans);
        return true;
    };
    read_header_records(d, header_path, "casts", parse, load, progress, result);
    return result;
}

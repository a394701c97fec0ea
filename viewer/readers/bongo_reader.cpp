#include "readers/bongo_reader.h"

#include "readers/record_fields.h"
#include "readers/text_source.h"

namespace {

std::string cast_number_text(std::string_view record) {
    const double n = field_value(field(record, 1, 3));
    if (n > 99) return field(record, 1, 3);
    std::string text = n > 9 ? "0" : "00";
    text += field(record, 1, n > 9 ? 2 : 1);
    return text;
}

CastHeader parse_record(std::string_view record) {
    CastHeader h;
    h.castno = cast_number_text(record);
    h.stdsta = field(record, 5, 7);
    h.month = field_value(field(record, 8, 10));
    h.day = field_value(field(record, 11, 13));
    h.hour = field_value(field(record, 14, 16)) + field_value(field(record, 17, 19)) / 60;
    h.latdeg = field_value(field(record, 21, 22));
    h.latmin = field_value(field(record, 23, 26));
    h.londeg = field_value(field(record, 27, 29));
    h.lonmin = field_value(field(record, 30, 33));
    h.botdep = field_value(field(record, 35, 39));
    return h;
}

// The first deepest scan of the recording, 0 for an empty one.
int deepest_scan(const CastScans& scans) {
    int k = 0;
    for (int s = 1; s <= scans.count(); ++s)
        if (k == 0 || scans.at(s, 0) > scans.at(k, 0)) k = s;
    return k;
}

TowDiagnostic store_tow(CruiseData& d, int i, const CastScans& scans) {
    TowDiagnostic t;
    t.j = scans.count();
    if (t.j > 0)
        for (int v = 0; v < 3; ++v) {
            t.first[v] = scans.at(1, v);
            t.last[v] = scans.at(t.j, v);
        }
    t.k = deepest_scan(scans);
    t.m = t.j == 0 ? 0 : t.j - t.k + 1;
    for (int n = 1; n <= t.m; ++n) {
        const int m = t.j - n + 1;
        d.castdat(i, n, kDepth) = scans.at(m, 0);
        d.castdat(i, n, kTemp) = scans.at(m, 1);
        d.castdat(i, n, kSalt) = scans.at(m, 2);
        store_sigma(d.castdat(i, n, kSigma), d.castdat(i, n, kTemp), d.castdat(i, n, kSalt));
        d.castdat(i, n, kFluor).reset();
        d.castdat(i, n, kTrans).reset();
    }
    d.npts[i] = t.m;
    return t;
}

}  // namespace

BongoResult read_bongo(CruiseData& d, const std::string& header_path, const ReadProgress& progress) {
    BongoResult result;
    result.first_cast = kFirstTow;
    const std::string folder = folder_of(header_path);
    const auto parse = [&folder](std::string_view record) {
        CastHeader h = parse_record(record);
        h.castfile = folder + "SBE" + h.castno + ".asc";
        return h;
    };
    CastScans scans;
    const auto load = [&](int i, const CastHeader& h, TextSource& src, std::string& why) {
        if (!read_scans(src, 4, scans, why)) return false;
        if (scans.more) note_scans_cut(result, h.castfile);
        result.tows.push_back(store_tow(d, i, scans));
        return true;
    };
    read_header_records(d, header_path, "tows", parse, load, progress, result);
    return result;
}

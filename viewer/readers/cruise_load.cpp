#include "readers/cruise_load.h"

#include "readers/number_stream.h"

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

bool read_scans(std::string_view text, int width, CastScans& scans, std::string& why) {
    scans.width = width;
    scans.values.clear();
    scans.more = false;
    NumberStream stream(text);
    for (int scan = 1;; ++scan) {
        if (scan > kMaxScan) {
            scans.more = !stream.at_end();
            return true;
        }
        for (int k = 0; k < width; ++k) {
            double x = 0;
            switch (stream.next(x)) {
            case NumberStream::Item::number:
                scans.values.push_back(x);
                break;
            case NumberStream::Item::end:
                if (k == 0) return true;
                why = "scan " + std::to_string(scan) + " is cut short by the end of the file (" +
                      std::to_string(k) + " of " + std::to_string(width) + " values)";
                return false;
            case NumberStream::Item::bad:
                why = "line " + std::to_string(stream.line()) + ": \"" + std::string(stream.item()) +
                      "\" is not a number";
                return false;
            }
        }
    }
}

#pragma once

// Shared by the reader fuzz targets: what a load must leave as it was.

#include <vector>

#include "store/cruise_data.h"

// The header entries of every cast as they were before a load, and the scans
// of the cast last announced to the load's progress callback, taken before
// the reader could write them.
class StoreSnapshot {
public:
    explicit StoreSnapshot(const CruiseData& d) {
        for (int c = 0; c <= kMaxCast; ++c) casts_.push_back(header_of(d, c));
    }

    // Keeps the scans of cast c as they are now.
    void keep_cast(const CruiseData& d, int c) {
        kept_ = c;
        scans_.clear();
        for (int s = 0; s <= kMaxScan; ++s)
            for (int v = 0; v <= kMaxVar; ++v) scans_.push_back(d.castdat(c, s, v));
    }

    // True when casts `from` to kMaxCast hold what they held: header entries,
    // and the scans of the kept cast.
    bool unchanged_from(const CruiseData& now, int from) const {
        for (int c = from; c <= kMaxCast; ++c)
            if (!same(header_of(now, c), casts_[static_cast<std::size_t>(c)])) return false;
        if (kept_ == 0 || kept_ < from) return true;
        std::size_t k = 0;
        for (int s = 0; s <= kMaxScan; ++s)
            for (int v = 0; v <= kMaxVar; ++v)
                if (!same(now.castdat(kept_, s, v), scans_[k++])) return false;
        return true;
    }

private:
    struct Header {
        std::vector<Cell> cells;
        std::string castno, stdsta, castfile;
    };

    static Header header_of(const CruiseData& d, int c) {
        return {{d.latdeg[c], d.latmin[c], d.lat[c], d.londeg[c], d.lonmin[c], d.lon[c], d.botdep[c], d.year[c],
                 d.month[c], d.day[c], d.hour[c], d.npts[c]},
                d.castno[c], d.stdsta[c], d.castfile[c]};
    }
    static bool same(const Cell& a, const Cell& b) {
        const bool both_nan = a.value() != a.value() && b.value() != b.value();
        return a.is_set() == b.is_set() && (a.value() == b.value() || both_nan);
    }
    static bool same(const Header& a, const Header& b) {
        if (a.castno != b.castno || a.stdsta != b.stdsta || a.castfile != b.castfile) return false;
        for (std::size_t k = 0; k < a.cells.size(); ++k)
            if (!same(a.cells[k], b.cells[k])) return false;
        return true;
    }

    std::vector<Header> casts_;
    int kept_ = 0;  // none
    std::vector<Cell> scans_;
};

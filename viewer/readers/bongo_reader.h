#pragma once

#include <string>
#include <vector>

#include "readers/cruise_load.h"
#include "store/cruise_data.h"

// First cast index of a Bongo-SB load; casts 1 to 50 are left as they are.
inline constexpr int kFirstTow = 51;

// What the diagnostic file records of one tow.
struct TowDiagnostic {
    double first[3] = {0, 0, 0};  // first scan read: depth, temperature, salinity
    int j = 0;                    // scans read
    double last[3] = {0, 0, 0};   // last scan read
    int k = 0;                    // deepest scan
    int m = 0;                    // scans stored, npts
};

struct [[nodiscard]] BongoResult : LoadResult {
    std::vector<TowDiagnostic> tows;  // one per tow loaded, in order
};

// Loads a Bongo-SB cruise into casts 51 upward: `header_path` is header.dat,
// one fixed-column record per tow, and each tow's recording is
// SBE<castno>.asc in the same folder. Blank header lines are skipped.
//
// Record columns (from 1, after leading blanks; the record ends at a comma):
// 1-3 cast number n, left-aligned (castno: columns 1-3 when n > 99, "0" and
// columns 1-2 when n > 9, otherwise "00" and column 1), 5-7 stdsta as
// written, 8-10 month, 11-13 day, 14-16 hours and 17-19 minutes (hour =
// hours + minutes / 60), 21-22 latdeg, 23-26 latmin, 27-29 londeg, 30-33
// lonmin, 35-39 botdep.
//
// A recording holds scans of four numbers (depth, temperature, salinity, one
// unused value), down and back up. k is the deepest scan of the recording
// (the first of several equally deep ones); scans j down to k are stored as
// scans 1 to npts = j - k + 1, so scan 1 is the last one recorded and depth
// grows towards the last stored scan. Each stored scan gets its sigma-t;
// its fluorescence and transmission, and the tow's year, become unset. An
// empty recording stores nothing (npts 0, k 0).
//
// Failures stop the load as in read_sb911; at most 150 tows (casts 51 to
// 200). A recording of more than 500 scans keeps its first 500 and the load
// goes on. ncol is not changed.
[[nodiscard]] BongoResult read_bongo(CruiseData& d, const std::string& header_path, const ReadProgress& progress = {});

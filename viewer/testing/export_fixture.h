#pragma once

#include <cmath>

#include "store/cruise_data.h"

// Casts for the export tests, with transmission (ncol 5): 1 from SB911 (file found in other case), all known but
// a temperature not a number and a fluorescence beyond a float; 2 a Bongo-SB tow, one scan, a date without year;
// 3 a CNV cast (a tab, an escape in its path), one scan, no position, date, bottom depth; 4 never loaded.
inline CruiseData four_casts() {
    CruiseData d;
    d.ncast = 4, d.ncol = 5;
    d.castfile[1] = "/c/EN617D001.Pre", d.castno[1] = "001", d.stdsta[1] = "L1 ", d.lat[1] = 41.2, d.lon[1] = 70.5;
    d.botdep[1] = 45, d.year[1] = 18, d.month[1] = 7, d.day[1] = 20, d.hour[1] = 17.4, d.npts[1] = 3;
    const double scans[3][6] = {
        {2, 20.5, 31.6, 0.4, 22.0, 4.1}, {3, 19.25, 31.7, 0.8, 22.5, 4.2}, {4, NAN, 31.8, 1e300, 22.7, 4.3}};
    for (int j = 1; j <= 3; ++j)
        for (int v = kDepth; v <= kTrans; ++v) d.castdat(1, j, v) = scans[j - 1][v - 1];
    d.castfile[2] = "/c/bongo/SBE002.asc", d.castno[2] = "002", d.lat[2] = 40.5, d.lon[2] = 70.9, d.month[2] = 7;
    d.day[2] = 21, d.hour[2] = 13.5, d.npts[2] = 1, d.castdat(2, 1, kDepth) = 5, d.castdat(2, 1, kTemp) = 15;
    d.castfile[3] = "/c/cnv\t/c7\x1b.cnv", d.castno[3] = "007", d.npts[3] = 1;
    d.castdat(3, 1, kDepth) = 1, d.castdat(3, 1, kTemp) = 9.5, d.castdat(3, 1, kSalt) = 33;
    d.castdat(3, 1, kSigma) = 25.8;
    d.npts[4] = 2;
    return d;
}

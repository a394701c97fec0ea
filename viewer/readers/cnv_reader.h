#pragma once

#include <string>
#include <vector>

#include "readers/cruise_load.h"
#include "store/cruise_data.h"

// The order in which a load stores .cnv files: ascending by file name without
// its folder, compared byte by byte; equal names by their whole path.
[[nodiscard]] std::vector<std::string> cnv_load_order(std::vector<std::string> paths);

// Loads .cnv cast files (one cast each, as CTD acquisition software writes
// them) as one cruise: casts 1, 2, ... in cnv_load_order, at most 200 (the
// rest are reported and not read). Each file is read once, line by line.
//
// Header (lines before *END*):
// - "# name i = NAME: ..." names column i; "# bad_flag = X" the bad value.
// - Position: "* NMEA Latitude = 50 19.69 N" and "* NMEA Longitude = 004
//   11.20 W"; failing those, "** Latitude:" / "** Lat:" and "** Longitude:"
//   / "** Lon:" / "** Long:" (any letter case) with degrees and decimal
//   minutes or decimal degrees, each with an optional hemisphere letter; no
//   letter means signed north / east. South and east are stored as negative
//   degrees and minutes in the north / west columns. Without a position the
//   latitude and longitude cells are left unset.
// - Time: the first of "* NMEA UTC (Time) =", "# start_time =", "* System
//   UTC =", "* System UpLoad Time =" that reads as month name, day, year,
//   hh:mm:ss; year keeps its last two digits, hour is decimal hours. None:
//   year, month, day and hour unset.
// - castno: the last run of digits of the file name without its extension,
//   at least three digits ("Station_46.cnv" gives "046"); no digits: the
//   cast's place in the load. stdsta: the first three characters of a
//   "** Station:" value. botdep: the first number of a "**" line whose name
//   holds "bottom" or "water depth" (any case), else unset. castfile: the path.
//
// Columns, the first name of each list that the header has: depth depSM,
// depFM, else pressure prDM, prdM, prM, prSM as depth by the UNESCO 1983
// formula at the cast's latitude (45 degrees without one); temperature
// t090C, t090, tv290C, t068C, t068, tv268C, t190C; salinity sal00, sal11;
// fluorescence the first column whose name starts with "fl" (not "flag") or
// is "wetStar"; transmission the first starting with "xmiss" or "CStarTr".
// ncol becomes 5 when cast 1 has a transmission column, else 4.
//
// Scans (after *END*, one a line, blank or tab separated, blank lines
// skipped): a scan whose depth (or pressure), temperature or salinity is the
// bad flag is dropped; a bad fluorescence or transmission counts as missing.
// The downcast, from the first scan to the first deepest one, is kept and
// averaged in depth bins of width w, the smallest of 1, 2, 5, 10, 20, 50,
// 100, 200, 500, 1000 m giving at most 500 non-empty bins: bin n holds the
// scans with floor(depth / w + 0.5) = n and is stored at depth n * w with the
// means of its temperature, salinity, fluorescence and transmission (the
// last two over the scans that have one, unset when none) and the sigma-t of
// its mean temperature and salinity, in increasing depth.
//
// A file that cannot be read, a header without *END* or without a required
// column, a scan line with fewer values than named columns or an item that
// is not a number, or a depth outside -100 to 12000 m stops the load: casts
// read whole so far stay, the failed cast's entries are left as they were,
// ncast is the last whole cast.
[[nodiscard]] LoadResult read_cnv(CruiseData& d, const std::vector<std::string>& paths,
                                  const ReadProgress& progress = {});

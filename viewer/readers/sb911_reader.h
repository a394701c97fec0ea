#pragma once

#include <string>

#include "readers/cruise_load.h"
#include "store/cruise_data.h"

// Loads an SB911 cruise into the store: the header file `header_path`
// (*.hdr), one fixed-column record per cast, casts 1, 2, ... in record order,
// and for each cast its file named from the header path without its last four
// characters, "d", the cast number and ".PRE". Blank header lines are skipped.
//
// Record columns (from 1, after leading blanks; the record ends at a comma):
// 5-6 latdeg, 7-9 latmin in tenths, 10-12 londeg, 13-15 lonmin in tenths,
// 19-20 year, 21-22 month, 23-24 day, 25-27 hour in tenths, 31-33 castno as
// written, 34-37 botdep, 70-72 stdsta as written.
//
// The first line of cast 1's file fixes the layout for the whole cruise and
// sets ncol: 5 (depth, temperature, salinity, fluorescence, transmission and
// one unused value per scan) or 4 (the same without transmission, stored as
// 0). Sigma-t is computed for every scan.
//
// A header or cast file that cannot be read, a layout count other than 4 or
// 5, an item that is not a number, a scan cut short by the end of its file,
// or a 201st record stops the load: casts read whole so far stay, a cast that
// failed leaves its store entries as they were, and ncast is the last whole
// cast. A cast file of more than 500 scans keeps its first 500 and the load
// goes on. Each of these is reported in the result's issues. ncol changes
// only with a valid layout.
[[nodiscard]] LoadResult read_sb911(CruiseData& d, const std::string& header_path, const ReadProgress& progress = {});

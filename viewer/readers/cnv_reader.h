#pragma once

#include <string>
#include <vector>

#include "readers/cruise_load.h"
#include "store/cruise_data.h"

// The order in which a load stores .cnv files: ascending by file name without
// its folder, compared byte by byte; equal names by their whole path.
[[nodiscard]] std::vector<std::string> cnv_load_order(std::vector<std::string> paths);

// Loads .cnv cast files (one cast each, as CTD acquisition and processing
// software writes them) as one cruise: casts 1, 2, ... in cnv_load_order, at
// most 200 (the rest are reported and not read). Each file is read once, line
// by line; the header as cnv_header.h reads it, the columns as cnv_columns.h
// chooses them. A file named twice (the same device and inode, whatever the
// path) is loaded once and the result says so.
//
// Header entries: position from the header, else from the first scan whose
// latitude and longitude columns both hold one, else unset; year (last two
// digits), month, day and hour (decimal) from the header's time, unset
// without one; castno from the file name (cast_number); stdsta the station,
// botdep the bottom depth, each empty or unset without one; castfile the path.
//
// Scans (after *END*, one a line; blank lines skipped, and a first line of
// column titles): items separated by blanks or tabs, or, in a line of whole
// 11-character fields whose items touch ("34.0200-218.764914"), the fields.
// Only the columns used are converted; the others must be present. Scans the
// columns mark bad are dropped, and so are scans at an impossible depth:
// outside -100 to 12000 m, or a spike more than 100 m from both neighbouring
// scans, which lie within 100 m of each other (the result names the file,
// their number and the first); the rest are averaged in depth bins
// (cnv_bins.h), each bin stored with the sigma-t of its mean temperature and
// salinity. ncol becomes 5 when cast 1 has a transmission column, else 4. A
// cast with no usable scans keeps its header entries with npts 0, and the
// result names it (casts_without_scans).
//
// A file that cannot be read, a binary file, a header without *END* or without
// a required column, a scan line with fewer values than named columns or a
// used item that is not a number or beyond 1e9 in magnitude, a Ctrl-Z before
// more data stops the load: casts read
// whole so far stay, the failed cast's entries are left as they were, ncast is
// the last whole cast.
//
// The files are read and binned on `threads` worker threads (0: one per core,
// at most 16; never more than the files), each reading its own files whole, at most a
// few files ahead of the casts stored; the store is filled on the calling
// thread alone, in load order, so the outcome is the same whatever the
// threads. `progress` is told on the calling thread before each file is
// stored, and every 100 ms while it waits for one.
[[nodiscard]] LoadResult read_cnv(CruiseData& d, const std::vector<std::string>& paths,
                                  const LoadProgress& progress = {}, int threads = 0);

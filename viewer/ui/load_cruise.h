#pragma once

#include <string>
#include <vector>

#include "readers/cruise_load.h"
#include "ui/viewer.h"

// Loads an SB911 cruise from its header file (*.hdr): resets the listing,
// clears the Stations window, shows filemsg with "Reading: " and each cast
// file's path while the casts load, hides it, then draws the station map,
// the profile frame and cast 1 (curcast = 1). A load that stopped early, or
// cut a cast at 500 scans, ends the same way and then shows one message box
// naming each file concerned and what happened to it. A screen coastline that
// cannot be drawn is told once, in the main window's status line. Returns what
// the load read, and whether it stopped.
[[nodiscard]] LoadResult readsb911(Viewer& v, const std::string& path);

// Loads a Bongo-SB cruise from its header.dat into casts 51 upward, as
// readsb911 does, and ends on cast 51. Replaces the diagnostic file
// v.paths.diagnostic (none is written while that path is empty) with five
// lines per tow, numbers in the signed general form: the first scan's depth,
// temperature and salinity; the scans read; the last scan's; "k:" and the
// deepest scan; "m:" and the scans stored.
[[nodiscard]] LoadResult readbongo(Viewer& v, const std::string& path);

// Loads .cnv cast files as one cruise (read_cnv), as readsb911 does, and ends
// on cast 1; filemsg reads "Reading N of M: FILE" while they load, set at
// most 10 times a second. The report folder becomes the folder of the first file in load
// order. An empty list loads nothing and changes nothing.
[[nodiscard]] LoadResult readcnv(Viewer& v, const std::vector<std::string>& paths);

// True for a path whose name ends in ".cnv", in any letter case.
[[nodiscard]] bool is_cnv_path(const std::string& path);

// A file named on the command line, loaded as if chosen in the open-file
// dialog: a file named header.dat (in any letter case) goes to readbongo, a
// .cnv file to readcnv, any other file to readsb911.
[[nodiscard]] LoadResult load_file(Viewer& v, const std::string& path);

// The files named on the command line, in order: each run of consecutive .cnv
// files is one readcnv load, every other file one load_file. One result per
// load.
[[nodiscard]] std::vector<LoadResult> load_files(Viewer& v, const std::vector<std::string>& paths);

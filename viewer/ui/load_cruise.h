#pragma once

#include <string>

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

// A file named on the command line, loaded as if chosen in the open-file
// dialog: a file named header.dat (in any letter case) goes to readbongo, any
// other file to readsb911.
[[nodiscard]] LoadResult load_file(Viewer& v, const std::string& path);

#pragma once

#include <string>
#include <string_view>

#include "ui/viewer.h"

// Prints the station plot on one page: every cast 1..ncast that a load filled
// as a black dot labelled with its cast number, joined to the cast before it
// when `withtrack` and that cast was filled too, then the printed coastline (v.paths.coast_print), the frame of
// the screen map and the title. filemsg shows "   Printing plot of cast
// locations" while it runs; the page goes to report_path(v, stations or
// track); the current cast is drawn again at the end.
void staprint(Viewer& v, bool withtrack);

// The same page written to `output`. True when the PDF was written; the
// status bar of the main window says so either way.
bool staprint(Viewer& v, bool withtrack, const std::string& output);

// The label of a cast on the station plot: the numeric value of the cast
// number text (leading blanks skipped, reading stops at the first character
// that cannot continue a number, 0 when there is none) in the signed general
// form: "007" gives " 7", "12A" " 12", "ABC" " 0", "-3" "-3".
std::string cast_label(std::string_view castno);

#pragma once

#include <string>

#include "ui/viewer.h"

// Prints the cast report: selector 1 every cast 1..ncast that a load filled
// (a cast with no cast file is left out), each on a page of its own; any other
// selector the current cast. One print job to report_path(v, casts or cast);
// filemsg shows "  Printing cast " and the cast number while a cast is laid
// out; the current cast is drawn again at the end.
void print_casts(Viewer& v, int selector);

// The same job written to `output`. True when the PDF was written. When the
// selection holds no cast nothing is written, the status bar says so and the
// result is false.
bool print_casts(Viewer& v, int selector, const std::string& output);

// The depth at the bottom of a printed profile: the first multiple of 50,
// from 50 up, that is strictly deeper than `last_depth` (50 gives 100).
double depth_scale(double last_depth);

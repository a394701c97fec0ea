#pragma once

#include <vector>

#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// Lays out the cast report of cast k on the page in (-30, -100)-(140, 250):
// the legend (one line style per variable), the profile box with its depth
// labels, the four profiles down to the depth scale, the station header and
// the table at the standard depths. Starts no page and ends no job; leaves
// DrawStyle solid.
void draw_cast_page(PlotSurface& page, const CruiseData& d, int k);

// The casts a report prints, in order: selector 1 every cast 1..ncast that a
// load filled (a cast with no cast file is left out), any other selector the
// current cast.
std::vector<int> report_casts(const CruiseData& d, int selector);

// The depth at the bottom of a printed profile: the first multiple of 50,
// from 50 up, that is strictly deeper than `last_depth` (50 gives 100).
double depth_scale(double last_depth);

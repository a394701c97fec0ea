#pragma once

#include <string>

#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// Prints `text` with its top-left corner at (x, y).
void print_at(PlotSurface& s, double x, double y, const std::string& text);

// The profile plot's user coordinates: the plot area is 0..100 plot units
// both ways (depth growing downwards), the value axes stand above it.
void profile_scale(PlotSurface& s);

// Ten segments of 10 plot units from 0 to 100, each followed by a tick of
// length 2 at its far end: along y = at, ticks pointing down, when
// `horizontal`; else along x = at, ticks pointing right.
void draw_ruler(PlotSurface& s, bool horizontal, double at);

// The main window's frame in profile_scale coordinates: for temperature,
// salinity, fluorescence and sigma-t an axis at y = -32, -24, -16, -8 in
// varcol with its start tick, title and limit labels ("#0.0#"), then the top
// and left edges of the plot in sigma-t's colour with the depth limits
// ("##0."). Leaves ForeColor as it found it; draws no background.
void draw_profile_frame(PlotSurface& s, const CruiseData& d);

// Variable `var` of cast c against depth, both mapped onto 0..100 plot units:
// x from axlim(var, 1) to axlim(var, 2), y from depth_min to depth_max. A
// point is inside when 1 < x < 100 and 1 < y < 100, judged in double
// precision; coordinates reach the surface as single-precision reals. Scan 1
// inside draws a single point; a later segment is drawn only when both its
// ends are inside, so a curve breaks where it leaves the box and resumes with
// the first segment inside again. A cast with no scans draws nothing.
void draw_profile(PlotSurface& s, const CruiseData& d, int c, int var, double depth_min, double depth_max);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/canvas.h"
#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// The temperature-salinity diagram: salinity across, temperature up, over the
// profile plot's limits (axlim of salinity and temperature), in-situ values as
// stored. Grey isopycnals of sigma-t (sigmat) at round levels, every scan of
// the other casts as a light-grey dot and the current cast as a line through
// its scans in depth order.

// Where the diagram's box lies on the canvas; a title takes a line on top.
Box ts_box(const Canvas& c, bool titled);

// The sigma-t levels drawn over the box: multiples of the smallest of 0.1,
// 0.2, 0.5, 1 and 2 that gives at most 10 lines strictly inside the stored
// sigma-t of the loaded casts, as far as it lies in the box (the sigma-t of
// the box on the contour grid): the isopycnals of the cruise's water. When
// that gives none (no casts, or no water inside the box), the same over the
// whole box. Empty when the limits are not a box.
std::vector<double> ts_isopycnal_levels(const CruiseData& d);

// Draws the whole diagram in canvas units ((0, 0) the top-left corner; the
// caller's Scale makes them): the isopycnals (on 60 x 60 cells) with their
// values printed where they leave the box at the top or right edge; the dots
// of every loaded cast but `current`; the box with round-number ticks and
// labels in the colours of the profile axes; then `current`: its scans in
// depth order joined by a line clipped to the box, each marked by a dot, its
// shallowest scan ringed, its cast number above the box. Scans without temperature or salinity, and dots outside the
// box, are not drawn. `title`, when not empty, is printed on the first line.
// Leaves ForeColor as it found it; FillStyle ends transparent.
void draw_ts_diagram(PlotSurface& s, const CruiseData& d, const Canvas& c, int current, const std::string& title);

// The scan nearest to (x, y), canvas units, among the dots of every loaded
// cast inside the box, when it lies within `radius`; ties go to the lower
// cast and scan.
struct ScanPick {
    int cast = 0, scan = 0;
};
std::optional<ScanPick> ts_pick(const CruiseData& d, const Canvas& c, bool titled, double x, double y, double radius);

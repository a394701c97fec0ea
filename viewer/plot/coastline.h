#pragma once

#include <string>

#include "readers/coastline_reader.h"
#include "surface/plot_surface.h"

// Draws the coastline file at `path` on `s` with Line, in the surface's current
// ForeColor and DrawStyle, which it leaves as they are. A faulty file stops
// the drawing where the fault is; what was drawn before stays (see
// read_coastline).
[[nodiscard]] CoastResult drawcoast(PlotSurface& s, const std::string& path);

// Draws the part of the coastline file at `path` that lies in the frame
// (west, north)-(east, south), degrees west and north, from its coast_index:
// only the polylines whose bounding box meets the frame, and of those the
// points at least 1/1000 of the frame's width from the last point drawn (the
// last point of a polyline always). For the large world file, so a redraw
// stays quick whatever the frame.
[[nodiscard]] CoastResult draw_coast_in_frame(PlotSurface& s, const std::string& path, double west, double north,
                                              double east, double south);

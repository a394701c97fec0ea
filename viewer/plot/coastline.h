#pragma once

#include <string>

#include "readers/coastline_reader.h"
#include "surface/plot_surface.h"

// Draws the coastline file at `path` on `s` with Line, in the surface's current
// ForeColor and DrawStyle, which it leaves as they are. A faulty file stops
// the drawing where the fault is; what was drawn before stays (see
// read_coastline).
[[nodiscard]] CoastResult drawcoast(PlotSurface& s, const std::string& path);

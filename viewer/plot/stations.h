#pragma once

#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// The station map's markers, in map units (degrees west, degrees north).

// Every cast 1..ncast in index order as a circle of radius stnrad: red
// outline, interior in the surface's BackColor (hollow-looking, but it hides
// what lies under it). Leaves ForeColor as it found it.
void draw_station_markers(PlotSurface& s, const CruiseData& d);

// Station i's marker as the current cast's (interior light cyan) or, when
// not `current`, as an ordinary one again. Leaves ForeColor as it found it.
void mark_station(PlotSurface& s, const CruiseData& d, int i, bool current);

#pragma once

#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// The station map's markers, in map units (degrees west, degrees north).

// Whether cast i has a position: its latitude and longitude are set (casts
// no load filled, and .cnv casts without a position, have none).
bool has_position(const CruiseData& d, int i);

// Every cast 1..ncast with a position, in index order, as a circle of radius
// `radius` (stnrad on the fixed map): red outline, interior in the surface's
// BackColor (hollow-looking, but it hides what lies under it). Leaves
// ForeColor as it found it.
void draw_station_markers(PlotSurface& s, const CruiseData& d, double radius);

// Station i's marker as the current cast's (interior light cyan) or, when
// not `current`, as an ordinary one again; nothing for a cast without a
// position. Leaves ForeColor as it found it.
void mark_station(PlotSurface& s, const CruiseData& d, int i, bool current, double radius);

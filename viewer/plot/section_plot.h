#pragma once

#include <optional>
#include <string>

#include "plot/canvas.h"
#include "plot/section_grid.h"
#include "surface/plot_surface.h"

// Where the section's box lies on the canvas; a title takes a line on top.
// Right of the box stands the colour bar.
Box section_box(const Canvas& c, bool titled);

// Draws the section in canvas units ((0, 0) the top-left corner; the caller's
// Scale makes them): the variable as colour (viridis over axlim of the
// variable, values beyond the limits in the end colours) on a raster of one
// cell per canvas unit across the box and one per level down; contour lines
// at round levels (at most 10) over the limits, each long enough labelled with
// its value; the sea bed (the line through the stations' sea bed depths)
// filled grey to the bottom of the box, which is the deepest sample rounded
// up to a round depth; the stations as ticks along the top labelled with their
// first cast's number, thinned where they would overlap; axes in km and m;
// the colour bar with the variable's name and round ticks; `title` on the
// first line when not empty. A section without stations draws the title and
// "No casts with a position and data" only. Leaves ForeColor as it found it.
void draw_section(PlotSurface& s, const CruiseData& d, const SectionGrid& sec, const Canvas& c,
                  const std::string& title);

// The first cast of the station nearest to x (canvas units) along the
// distance axis; nothing for a section without stations.
std::optional<int> section_pick(const SectionGrid& sec, const Canvas& c, bool titled, double x);

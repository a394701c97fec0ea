#pragma once

#include <string>

#include "plot/canvas.h"
#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// The printed pages lay out in points of an A4 sheet's printable area inside
// its 10 mm margins, the page's Scale mapping them onto the paper (on Letter
// a little stretched), with the printer's 8-point fixed-pitch font.
Canvas page_canvas(bool landscape);

// The T-S page: `title` on the first line, the diagram of cast `current` in
// the upper part of a portrait page, square but for its margins. Starts no
// page and ends no job.
void draw_ts_page(PlotSurface& page, const CruiseData& d, int current, const std::string& title);

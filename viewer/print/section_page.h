#pragma once

#include <string>

#include "plot/section_grid.h"
#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// The section page: the section with `title` on the first line over the whole
// of a landscape page (page_canvas(true)). Starts no page and ends no job.
void draw_section_page(PlotSurface& page, const CruiseData& d, const SectionGrid& sec, const std::string& title);

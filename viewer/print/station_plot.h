#pragma once

#include <string>
#include <string_view>

#include "readers/coastline_reader.h"
#include "store/cruise_data.h"
#include "surface/plot_surface.h"

// Lays out the station plot on the page, in degrees west across and degrees
// north down ((72, 44)-(64.5, 36.6) for the fixed map frame): every cast
// 1..ncast that a load filled and that has a position as a black dot
// labelled with its cast number, joined to the cast before it when
// `withtrack` and that cast has a station too; then the coastline, the frame
// of the screen map and the title "Cast Positions". When the map is fitted to
// the stations (map_frame), the page's scale, the frame, the title and the
// label offsets and dot radius move with it by the affine change that takes
// the fixed frame to the fitted one, and the coastline is the part of
// `coast_world` on the page; else it is `coast_fixed`. Starts no page and
// ends no job; returns what the coastline held.
[[nodiscard]] CoastResult draw_station_plot(PlotSurface& page, const CruiseData& d, const std::string& coast_fixed,
                                            const std::string& coast_world, bool withtrack);

// The label of a cast on the station plot: the numeric value of the cast
// number text (leading blanks skipped, reading stops at the first character
// that cannot continue a number, 0 when there is none) in the signed general
// form: "007" gives " 7", "12A" " 12", "ABC" " 0", "-3" "-3".
std::string cast_label(std::string_view castno);

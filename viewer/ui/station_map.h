#pragma once

#include "readers/coastline_reader.h"
#include "ui/viewer.h"

// Half the side of the square hit box around a station on the fixed map,
// degrees on both axes; a fitted map scales it with its longitude span.
inline constexpr double pickradius = 0.05;

// Shows the Stations window, sets its outer height to 0.64 of its outer width,
// sets the map frame (map_frame: 71..65.5 degrees west, 42.5..40 north unless
// the stations lie outside it), draws every positioned cast's marker in index
// order (red outline, background interior, radius stnrad scaled with the
// frame) and then the coastline in the window's text colour: the screen file
// (v.paths.coast_screen) on the fixed frame, the part of the world file
// (v.paths.coast_world) in a fitted one. Marks no cast as current: the caller
// follows with drawcast(curcast).
// Returns what drawcoast read; a faulty coastline leaves the markers drawn and
// gives the same fault at every redraw, so a caller shows it once at most.
[[nodiscard]] CoastResult stamap(Viewer& v);

namespace Stations {
// With a cruise loaded (curcast > 0): Cls, stamap, drawaxes, drawcast(curcast),
// returning stamap's coastline result. With none it draws nothing.
[[nodiscard]] CoastResult Form_Resize(Viewer& v);
// A press of any button at (x, y), degrees west and north, makes current the
// lowest-indexed positioned cast whose box |x - lon| < h, |y - lat| < h holds
// it (h: pickradius, scaled as the map's frame is): the old cast is erased and the new one drawn, as a key step does.
// Pressing the current cast erases and redraws it. A miss changes nothing.
void Form_MouseDown(Viewer& v, int button, int shift, double x, double y);
}  // namespace Stations

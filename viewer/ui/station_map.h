#pragma once

#include "readers/coastline_reader.h"
#include "ui/viewer.h"

// Half the side of the square hit box around a station, degrees on both axes.
inline constexpr double pickradius = 0.05;

// Shows the Stations window, sets its outer height to 0.64 of its outer width,
// sets the map frame (71..65.5 degrees west, 42.5..40 north), draws every
// cast's marker in index order (red outline, background interior) and then the
// screen coastline (v.paths.coast_screen) in the window's text colour. Marks no
// cast as current: the caller follows with drawcast(curcast).
// Returns what drawcoast read; a faulty coastline leaves the markers drawn and
// gives the same fault at every redraw, so a caller shows it once at most.
[[nodiscard]] CoastResult stamap(Viewer& v);

namespace Stations {
// With a cruise loaded (curcast > 0): Cls, stamap, drawaxes, drawcast(curcast),
// returning stamap's coastline result. With none it draws nothing.
[[nodiscard]] CoastResult Form_Resize(Viewer& v);
// A press of any button at (x, y), degrees west and north, makes current the
// lowest-indexed cast whose box |x - lon| < pickradius, |y - lat| < pickradius
// holds it: the old cast is erased and the new one drawn, as a key step does.
// Pressing the current cast erases and redraws it. A miss changes nothing.
void Form_MouseDown(Viewer& v, int button, int shift, double x, double y);
}  // namespace Stations

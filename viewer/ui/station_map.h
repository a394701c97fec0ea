#pragma once

#include "ui/viewer.h"

// Shows the Stations window and draws the map: frame, every cast's marker and
// the coastline.
void stamap(Viewer& v);

namespace Stations {
// With a cruise loaded: clear, stamap, drawaxes, drawcast(curcast).
void Form_Resize(Viewer& v);
// A press at (x, y) map units picks the first station within pickradius.
void Form_MouseDown(Viewer& v, int button, int shift, double x, double y);
}  // namespace Stations

#include "ui/station_map.h"

#include <algorithm>
#include <cmath>

#include "plot/coastline.h"
#include "plot/map_frame.h"
#include "plot/stations.h"
#include "ui/profile_plot.h"

namespace {

// Positions and the pointer are decimal degrees: a press 0.05 degrees from a
// station in decimal terms lands a few 1e-15 to either side of the double
// 0.05, since no difference of two numbers near 41 or 70 equals it. The box
// edge is taken this far inward so that such a press never picks; it is far
// below a pixel of the map (about 0.01 degrees).
constexpr double kEdge = 1e-9;

bool in_box(double pointer, double station, double half) { return std::abs(pointer - station) < half - kEdge; }

}  // namespace

CoastResult stamap(Viewer& v) {
    v.Stations.Visible(true);
    // On a shown window this may raise Form_Resize, which redraws everything
    // before returning here; the drawing below repeats it.
    v.Stations.Height(v.Stations.Width() * 0.64);

    PlotSurface& s = v.Stations.surface();
    const MapFrame f = map_frame(v.d);
    s.Scale(f.west, f.north, f.east, f.south);
    draw_station_markers(s, v.d, v.d.stnrad * f.scale());
    // The coastline goes last, over the markers, in the window's text colour.
    if (!f.fitted) return drawcoast(s, v.paths.coast_screen);
    return draw_coast_in_frame(s, v.paths.coast_world, f.west, f.north, f.east, f.south);
}

namespace Stations {

CoastResult Form_Resize(Viewer& v) {
    if (v.d.curcast <= 0) return {};
    v.Stations.surface().Cls();
    CoastResult coast = stamap(v);
    drawaxes(v);
    drawcast(v, static_cast<int>(v.d.curcast));
    return coast;
}

void Form_MouseDown(Viewer& v, int /*button*/, int /*shift*/, double x, double y) {
    const int n = std::clamp(static_cast<int>(v.d.ncast), 0, kMaxCast);
    const double half = pickradius * map_frame(v.d).scale();
    for (int i = 1; i <= n; ++i) {
        if (has_position(v.d, i) && in_box(y, v.d.lat[i], half) && in_box(x, v.d.lon[i], half)) {
            drawcast(v, -static_cast<int>(v.d.curcast));
            v.d.curcast = i;
            drawcast(v, i);
            return;
        }
    }
}

}  // namespace Stations

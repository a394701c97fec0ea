#include "plot/stations.h"

#include <algorithm>

namespace {

constexpr int kMarkerColor = 4;   // red
constexpr int kCurrentColor = 11; // light cyan

void marker(PlotSurface& s, const CruiseData& d, int i, Color interior) {
    const Color fore = s.ForeColor();
    s.ForeColor(QBColor(kMarkerColor));
    s.FillColor(interior);
    s.Circle(d.lon[i], d.lat[i], d.stnrad);
    s.ForeColor(fore);
}

}  // namespace

void draw_station_markers(PlotSurface& s, const CruiseData& d) {
    const int n = std::clamp(static_cast<int>(d.ncast), 0, kMaxCast);
    for (int i = 1; i <= n; ++i) marker(s, d, i, s.BackColor());
}

void mark_station(PlotSurface& s, const CruiseData& d, int i, bool current) {
    marker(s, d, i, current ? QBColor(kCurrentColor) : s.BackColor());
}

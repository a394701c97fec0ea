#include "plot/stations.h"

#include <algorithm>

namespace {

constexpr int kMarkerColor = 4;    // red
constexpr int kCurrentColor = 11;  // light cyan

void marker(PlotSurface& s, const CruiseData& d, int i, Color interior, double radius) {
    if (!has_position(d, i)) return;
    const Color fore = s.ForeColor();
    s.ForeColor(QBColor(kMarkerColor));
    s.FillColor(interior);
    s.Circle(d.lon[i], d.lat[i], radius);
    s.ForeColor(fore);
}

}  // namespace

bool has_position(const CruiseData& d, int i) { return d.lat[i].is_set() && d.lon[i].is_set(); }

void draw_station_markers(PlotSurface& s, const CruiseData& d, double radius) {
    const int n = std::clamp(static_cast<int>(d.ncast), 0, kMaxCast);
    for (int i = 1; i <= n; ++i) marker(s, d, i, s.BackColor(), radius);
}

void mark_station(PlotSurface& s, const CruiseData& d, int i, bool current, double radius) {
    marker(s, d, i, current ? QBColor(kCurrentColor) : s.BackColor(), radius);
}

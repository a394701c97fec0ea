#include "plot/map_frame.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "plot/stations.h"

bool has_station(const CruiseData& d, int i) { return !d.castfile[i].empty() && has_position(d, i); }

MapFrame map_frame(const CruiseData& d) {
    const MapFrame fixed;
    double west = -INFINITY, east = INFINITY, north = -INFINITY, south = INFINITY;
    bool inside = true;
    const int n = std::clamp(static_cast<int>(d.ncast), 0, kMaxCast);
    for (int i = 1; i <= n; ++i) {
        if (!has_station(d, i)) continue;
        const double x = d.lon[i], y = d.lat[i];
        west = std::max(west, x), east = std::min(east, x);
        north = std::max(north, y), south = std::min(south, y);
        inside = inside && x <= fixed.west && x >= fixed.east && y <= fixed.north && y >= fixed.south;
    }
    if (inside) return fixed;

    const double pad_x = std::max(0.1 * (west - east), 0.05), pad_y = std::max(0.1 * (north - south), 0.05);
    west += pad_x, east -= pad_x, north += pad_y, south -= pad_y;
    const double cx = (west + east) / 2, cy = (north + south) / 2;
    const double r = 0.64 * std::cos(cy * std::numbers::pi / 180);
    double dx = west - east, dy = north - south;
    if (dy < r * dx)
        dy = r * dx;
    else
        dx = dy / r;
    return {cx + dx / 2, cy + dy / 2, cx - dx / 2, cy - dy / 2, true};
}

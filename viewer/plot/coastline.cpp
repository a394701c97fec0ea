#include "plot/coastline.h"

#include <algorithm>
#include <cmath>

CoastResult drawcoast(PlotSurface& s, const std::string& path) {
    return read_coastline(path, [&s](float x1, float y1, float x2, float y2) { s.Line(x1, y1, x2, y2); });
}

CoastResult draw_coast_in_frame(PlotSurface& s, const std::string& path, double west, double north, double east,
                                double south) {
    const CoastIndex& idx = coast_index(path);
    const double step = std::abs(west - east) / 1000;
    const double lo_x = std::min(west, east), hi_x = std::max(west, east);
    const double lo_y = std::min(north, south), hi_y = std::max(north, south);
    CoastResult drawn = idx.result;
    drawn.segments = 0;
    for (const CoastIndex::Polyline& p : idx.lines) {
        if (p.west < lo_x || p.east > hi_x || p.north < lo_y || p.south > hi_y) continue;
        const float* pt = idx.xy.data() + 2 * p.first;
        float px = pt[0], py = pt[1];
        for (std::size_t k = 1; k < p.count; ++k) {
            const float x = pt[2 * k], y = pt[2 * k + 1];
            if (k + 1 < p.count && std::abs(x - px) < step && std::abs(y - py) < step) continue;
            s.Line(px, py, x, y);
            ++drawn.segments;
            px = x, py = y;
        }
    }
    return drawn;
}

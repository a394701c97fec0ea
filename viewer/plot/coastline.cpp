#include "plot/coastline.h"

CoastResult drawcoast(PlotSurface& s, const std::string& path) {
    return read_coastline(path, [&s](float x1, float y1, float x2, float y2) { s.Line(x1, y1, x2, y2); });
}

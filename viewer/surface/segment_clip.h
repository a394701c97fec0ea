#pragma once

#include <cmath>

// Clips the segment (x0, y0)-(x1, y1) to [lo_x, hi_x] × [lo_y, hi_y]
// (Cohen–Sutherland). Returns false when nothing of it lies inside, or when its
// extent is not finite. An end inside the rectangle is left untouched, bit for
// bit. A clipped end is put exactly on the edge, its other coordinate
// interpolated from the nearer original end, so even ends at ±1e300 give the
// right crossing for axis-parallel segments and a close one otherwise.
inline bool clip_segment(double& x0, double& y0, double& x1, double& y1, double lo_x, double lo_y, double hi_x,
                         double hi_y) {
    const double ax = x0, ay = y0, bx = x1, by = y1;
    if (!std::isfinite(bx - ax) || !std::isfinite(by - ay)) return false;
    auto code = [&](double x, double y) {
        return (x < lo_x ? 1 : x > hi_x ? 2 : 0) | (y < lo_y ? 4 : y > hi_y ? 8 : 0);
    };
    auto y_at = [&](double x) {
        const double slope = (by - ay) / (bx - ax);
        return std::abs(x - ax) <= std::abs(x - bx) ? ay + (x - ax) * slope : by + (x - bx) * slope;
    };
    auto x_at = [&](double y) {
        const double slope = (bx - ax) / (by - ay);
        return std::abs(y - ay) <= std::abs(y - by) ? ax + (y - ay) * slope : bx + (y - by) * slope;
    };
    int c0 = code(x0, y0), c1 = code(x1, y1);
    // Each pass moves one end onto an edge; four passes per end at most.
    for (int pass = 0; pass < 8 && (c0 | c1); ++pass) {
        if (c0 & c1) return false;
        const int c = c0 ? c0 : c1;
        double x, y;
        if (c & 1) {
            x = lo_x;
            y = y_at(x);
        } else if (c & 2) {
            x = hi_x;
            y = y_at(x);
        } else if (c & 4) {
            y = lo_y;
            x = x_at(y);
        } else {
            y = hi_y;
            x = x_at(y);
        }
        if (c0) {
            x0 = x;
            y0 = y;
            c0 = code(x, y);
        } else {
            x1 = x;
            y1 = y;
            c1 = code(x, y);
        }
    }
    return !(c0 | c1);
}

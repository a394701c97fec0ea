#include "plot/profiles.h"

#include <algorithm>
#include <string>

#include "format/number_format.h"

namespace {

// Scans of cast c; never more than the store holds.
int scan_count(const CruiseData& d, int c) {
    const double n = d.npts[c];
    if (!(n > 0)) return 0;
    return static_cast<int>(std::min<double>(n, kMaxScan));
}

}  // namespace

void print_at(PlotSurface& s, double x, double y, const std::string& text) {
    s.CurrentX(x);
    s.CurrentY(y);
    s.Print(text);
}

void profile_scale(PlotSurface& s) { s.Scale(-10, -40, 110, 110); }

void draw_ruler(PlotSurface& s, bool horizontal, double at) {
    for (int k = 1; k <= 10; ++k) {
        const double from = 10.0 * (k - 1), to = 10.0 * k;
        if (horizontal) {
            s.Line(from, at, to, at);
            s.Line(to, at, to, at + 2);
        } else {
            s.Line(at, from, at, to);
            s.Line(at, to, at + 2, to);
        }
    }
}

void draw_profile_frame(PlotSurface& s, const CruiseData& d) {
    const Color fore = s.ForeColor();
    for (int slot = 1; slot <= 4; ++slot) {
        const int var = slot + 1;
        const double y = 8.0 * slot - 40;
        s.ForeColor(static_cast<Color>(d.varcol[var].value()));
        draw_ruler(s, true, y);
        s.Line(0, y, 0, y + 2);
        print_at(s, 40, y - 6, d.varname[var]);
        print_at(s, -9, y - 3, format_number(d.axlim(var, 1), "#0.0#"));
        print_at(s, 102, y - 3, format_number(d.axlim(var, 2), "#0.0#"));
    }
    // The depth frame keeps the colour of the last axis (sigma-t).
    draw_ruler(s, true, 0);
    draw_ruler(s, false, 0);
    print_at(s, -7, -2, format_number(d.axlim(kDepth, 1), "##0."));
    print_at(s, -7, 98, format_number(d.axlim(kDepth, 2), "##0."));
    s.ForeColor(fore);
}

void draw_profile(PlotSurface& s, const CruiseData& d, int c, int var, double depth_min, double depth_max) {
    const double value_min = d.axlim(var, 1);
    const double fy = 100.0 / (depth_max - depth_min);
    const double fx = 100.0 / (d.axlim(var, 2) - value_min);
    struct Point {
        double x, y;
        bool inside;
    };
    const auto map = [&](int k) {
        const double x = (d.castdat(c, k, var) - value_min) * fx;
        const double y = (d.castdat(c, k, kDepth) - depth_min) * fy;
        return Point{x, y, 1 < x && x < 100 && 1 < y && y < 100};
    };
    const auto line = [&s](const Point& a, const Point& b) {
        s.Line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x), static_cast<float>(b.y));
    };

    // A cast of no scans may still hold scan 1 of an earlier cruise: the store
    // is never cleared. Draw none of it.
    const int n = scan_count(d, c);
    if (n < 1) return;
    Point prev = map(1);
    if (prev.inside) line(prev, prev);
    for (int k = 2; k <= n; ++k) {
        const Point p = map(k);
        if (prev.inside && p.inside) line(prev, p);
        prev = p;
    }
}

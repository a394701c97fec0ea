#include "ui/profile_plot.h"

#include <algorithm>
#include <optional>
#include <string>

#include "format/number_format.h"
#include "ui/info_window.h"
#include "ui/listing.h"

namespace {

constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;

// The frame's user coordinates: plot area 0..100 both ways, value axes above it.
void frame_scale(PlotSurface& s) { s.Scale(-10, -40, 110, 110); }

void print_at(PlotSurface& s, double x, double y, const std::string& text) {
    s.CurrentX(x);
    s.CurrentY(y);
    s.Print(text);
}

// A cast index held by the store as a number, when it names one of its casts.
std::optional<int> store_cast(double c) {
    if (!(c >= 0 && c <= kMaxCast)) return std::nullopt;
    return static_cast<int>(c);
}

// curcast as drawcast's argument; a value outside the store stays outside it.
int curcast_arg(const CruiseData& d) {
    const std::optional<int> c = store_cast(d.curcast);
    return c ? *c : kMaxCast + 1;
}

// Scans of cast c; never more than the store holds.
int scan_count(const CruiseData& d, int c) {
    const double n = d.npts[c];
    if (!(n > 0)) return 0;
    return static_cast<int>(std::min<double>(n, kMaxScan));
}

// Draws (or, in the background colour, erases) the profile of variable var of
// cast c. Only segments with both ends strictly inside (1, 100) x (1, 100) plot
// units are drawn: crossing segments are left out, not clipped.
void draw_profile(PlotSurface& s, const CruiseData& d, int c, int var) {
    const double depth_min = d.axlim(kDepth, 1);
    const double value_min = d.axlim(var, 1);
    const double fy = 100.0 / (d.axlim(kDepth, 2) - depth_min);
    const double fx = 100.0 / (d.axlim(var, 2) - value_min);
    // Coordinates go to the surface as floats; the inside test is made on the
    // same floats, so a point judged inside is drawn inside.
    const auto map = [&](int k, float& x, float& y) {
        x = static_cast<float>((d.castdat(c, k, var) - value_min) * fx);
        y = static_cast<float>((d.castdat(c, k, kDepth) - depth_min) * fy);
        return 1 < x && x < 100 && 1 < y && y < 100;
    };

    // A cast of no scans may still hold scan 1 of an earlier cruise: the store
    // is never cleared. Draw none of it.
    const int n = scan_count(d, c);
    if (n < 1) return;
    float px = 0, py = 0;
    bool pen = map(1, px, py);
    if (pen) s.Line(px, py, px, py);
    for (int k = 2; k <= n; ++k) {
        float x = 0, y = 0;
        const bool inside = map(k, x, y);
        if (pen && inside) s.Line(px, py, x, y);
        pen = inside;
        px = x;
        py = y;
    }
}

}  // namespace

void drawaxes(Viewer& v) {
    PlotSurface& s = v.quenvar.surface();
    const CruiseData& d = v.d;
    s.Cls();
    const Color fore = s.ForeColor();
    s.BackColor(static_cast<Color>(d.varcol[kDepth].value()));
    frame_scale(s);

    for (int slot = 1; slot <= 4; ++slot) {
        const int var = slot + 1;
        const double y = 8.0 * slot - 40;
        s.ForeColor(static_cast<Color>(d.varcol[var].value()));
        for (int j = 1; j <= 10; ++j) {
            s.Line(10.0 * (j - 1), y, 10.0 * j, y);
            s.Line(10.0 * j, y, 10.0 * j, y + 2);  // ticks point down into the plot
        }
        s.Line(0, y, 0, y + 2);
        print_at(s, 40, y - 6, d.varname[var]);
        print_at(s, -9, y - 3, format_number(d.axlim(var, 1), "#0.0#"));
        print_at(s, 102, y - 3, format_number(d.axlim(var, 2), "#0.0#"));
    }

    // The depth frame keeps the colour of the last axis (sigma-t).
    for (int k = 1; k <= 10; ++k) {
        s.Line(10.0 * (k - 1), 0, 10.0 * k, 0);
        s.Line(10.0 * k, 0, 10.0 * k, 2);
    }
    for (int k = 1; k <= 10; ++k) {
        s.Line(0, 10.0 * (k - 1), 0, 10.0 * k);
        s.Line(0, 10.0 * k, 2, 10.0 * k);
    }
    print_at(s, -7, -2, format_number(d.axlim(kDepth, 1), "##0."));
    print_at(s, -7, 98, format_number(d.axlim(kDepth, 2), "##0."));

    s.ForeColor(fore);
}

void drawcast(Viewer& v, int p) {
    CruiseData& d = v.d;
    const std::optional<int> cur = store_cast(d.curcast);
    const std::optional<int> station = store_cast(p < 0 ? -static_cast<double>(p) : p);
    // Callers pass curcast or -curcast, which the store bounds; anything else
    // would index past the store, so it draws nothing rather than throw out of
    // a window event.
    if (!cur || !station) return;
    const bool erase = p < 0;
    const int c = *cur;

    PlotSurface& map = v.Stations.surface();
    const Color map_fore = map.ForeColor();
    map.ForeColor(QBColor(4));
    map.FillColor(erase ? map.BackColor() : QBColor(11));
    map.Circle(d.lon[*station], d.lat[*station], d.stnrad);
    map.ForeColor(map_fore);

    PlotSurface& plot = v.quenvar.surface();
    if (!erase) v.quenvar.Caption(d.castfile[c]);
    for (int var = kTemp; var <= kSigma; ++var) {
        plot.ForeColor(erase ? plot.BackColor() : static_cast<Color>(d.varcol[var].value()));
        draw_profile(plot, d, c, var);
    }
    if (erase) return;

    showinfo(v);
    // Setting Max may move the scroll box and list the cast from there before
    // the listing from scan 1 below.
    ScrollBar& bar = v.lister.VScroll1();
    bar.Max(scan_count(d, c));
    bar.Min(1);
    listcast(v, 1);
}

namespace quenvar {

void Form_Resize(Viewer& v) {
    PlotSurface& s = v.quenvar.surface();
    s.Cls();
    frame_scale(s);
    drawaxes(v);
    drawcast(v, curcast_arg(v.d));
}

void Form_KeyDown(Viewer& v, int key_code, int /*shift*/) {
    if (key_code != kKeyRight && key_code != kKeyLeft) return;
    CruiseData& d = v.d;
    drawcast(v, -curcast_arg(d));
    if (key_code == kKeyRight) {
        d.curcast = d.curcast + 1;
        if (d.curcast > d.ncast) d.curcast = 1;
    } else {
        d.curcast = d.curcast - 1;
        if (d.curcast < 1) d.curcast = d.ncast;
    }
    drawcast(v, curcast_arg(d));
}

}  // namespace quenvar

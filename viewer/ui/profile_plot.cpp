#include "ui/profile_plot.h"

#include <algorithm>
#include <optional>
#include <string>

#include "plot/map_frame.h"
#include "plot/profiles.h"
#include "plot/stations.h"
#include "ui/info_window.h"
#include "ui/listing.h"
#include "ui/ts_window.h"

namespace {

constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;

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

}  // namespace

void drawaxes(Viewer& v) {
    PlotSurface& s = v.quenvar.surface();
    s.Cls();
    s.BackColor(static_cast<Color>(v.d.varcol[kDepth].value()));
    profile_scale(s);
    draw_profile_frame(s, v.d);
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

    mark_station(v.Stations.surface(), d, *station, !erase, d.stnrad * map_frame(d).scale());

    PlotSurface& plot = v.quenvar.surface();
    if (!erase) v.quenvar.Caption(d.castfile[c]);
    for (int var = kTemp; var <= kSigma; ++var) {
        plot.ForeColor(erase ? plot.BackColor() : static_cast<Color>(d.varcol[var].value()));
        draw_profile(plot, d, c, var, d.axlim(kDepth, 1), d.axlim(kDepth, 2));
    }
    if (erase) return;

    showinfo(v);
    // Setting Max may move the scroll box and list the cast from there before
    // the listing from scan 1 below.
    ScrollBar& bar = v.lister.VScroll1();
    const double n = d.npts[c];
    bar.Max(n > 0 ? static_cast<int>(std::min<double>(n, kMaxScan)) : 0);
    bar.Min(1);
    listcast(v, 1);
    draw_ts(v);
}

namespace quenvar {

void Form_Resize(Viewer& v) {
    PlotSurface& s = v.quenvar.surface();
    s.Cls();
    profile_scale(s);
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

#include "print/cast_report.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "format/number_format.h"
#include "plot/profiles.h"

namespace {

int samples_of(const CruiseData& d, int k) { return std::clamp(int(d.npts[k]), 0, kMaxScan); }

// The legend: one row per variable, in the line style of its profile, with
// the axis title and the variable's limits.
void draw_legend(const CruiseData& d, PlotSurface& page) {
    for (int i = 1; i <= 4; ++i) {
        const int v = i + 1;
        const double y = 8 * i - 40;
        page.DrawStyle(i - 1);
        draw_ruler(page, true, y);
        page.DrawStyle(kDrawSolid);
        page.Line(0, y, 0, y + 2);
        print_at(page, 40, y - 6, d.varname[v]);
        print_at(page, -9, y - 3, padnum(4, 1, d.axlim(v, 1)));
        print_at(page, 102, y - 3, padnum(4, 1, d.axlim(v, 2)));
    }
}

// The top and left edges of the profile box with their ticks, and the depth
// labels.
void draw_frame(const CruiseData& d, PlotSurface& page, double dscale) {
    draw_ruler(page, true, 0);
    draw_ruler(page, false, 0);
    print_at(page, -9, -2, padnum(4, 0, d.axlim(1, 1)));
    print_at(page, -9, 98, padnum(4, 0, dscale));
}

// Temperature, salinity, fluorescence and sigma-t in the line styles of the
// legend, against depth from axlim(1, 1) down to the depth scale.
void draw_profiles(const CruiseData& d, PlotSurface& page, int k, double dscale) {
    const double dmin = d.axlim(1, 1);
    // A depth minimum at or below the scale would turn the box upside down.
    if (!(dmin < dscale)) return;
    for (int v = kTemp; v <= kSigma; ++v) {
        page.DrawStyle(v - 2);
        draw_profile(page, d, k, v, dmin, dscale);
    }
    page.DrawStyle(kDrawSolid);
}

void draw_header(const CruiseData& d, PlotSurface& page, int k) {
    page.DrawStyle(kDrawSolid);
    print_at(page, 15, -75, "RU320");
    print_at(page, 60, -75, "Standard Sta #: " + d.stdsta[k]);
    print_at(page, 15, -70, "Cast #:      " + d.castno[k]);
    print_at(page, 15, -65,
             "Lat:  " + format_number(d.latdeg[k], " ##") + " " + format_number(d.latmin[k], "##.#") + " N");
    print_at(page, 15, -60,
             "Lon:  " + format_number(d.londeg[k], " ##") + " " + format_number(d.lonmin[k], "##.#") + " W");
    print_at(page, 60, -70,
             "Date(y\\m\\d):  " + format_number(d.year[k], "##") + "\\" + format_number(d.month[k], "##") + "\\" +
                 format_number(d.day[k], "##"));
    print_at(page, 60, -65, "Hour (GMT):     " + format_number(d.hour[k], "##.#"));
    print_at(page, 60, -60, "Bottom depth:  " + format_number(d.botdep[k], "####"));
}

std::string table_row(const CruiseData& d, int k, int j) {
    std::string row;
    for (int v = kDepth; v <= kSigma; ++v) row += padnum(8, 2, d.castdat(k, j, v));
    return row;
}

// The first sample, the samples nearest the standard depths, the last sample
// and the note. Row y for standard-depth slot s is 6s + 111.
void draw_table(const CruiseData& d, PlotSurface& page, int k) {
    print_at(page, 10, 110, "   Depth    Temp    Salt    Flur  Sigma-t");
    const int n = samples_of(d, k);
    int s = 2;
    if (n > 0) {
        print_at(page, 10, 117, table_row(d, k, 1));
        const auto depth = [&](int j) { return double(d.castdat(k, j, kDepth)); };
        double best = std::fabs(d.stddep[s] - depth(1));
        for (int j = 1; j <= n; ++j) {
            const double dist = std::fabs(d.stddep[s] - depth(j));
            if (best < dist) {
                // Sample j - 1 was the nearest to slot s. On equal distances the
                // later sample stays the candidate.
                print_at(page, 10, 6 * s + 111, table_row(d, k, j - 1));
                ++s;
                if (s > kMaxStdDepth) break;  // every slot used
                best = std::fabs(d.stddep[s] - depth(j));
            } else {
                best = dist;
            }
        }
        print_at(page, 10, 6 * s + 111, table_row(d, k, n));
    }
    // After slot 20 the last row stands at y 237; the note goes right under it
    // rather than 12 below, which is past the bottom of the page (250).
    const double note_y = s > kMaxStdDepth ? 6 * s + 117 : 6 * s + 123;
    print_at(page, 15, note_y, "[** Note:  this is uncorrected data **]");
}

}  // namespace

double depth_scale(double last_depth) {
    if (!(last_depth >= 50)) return 50;  // also an unset or NaN depth
    // Past 1e12 m (garbage in a cast file) steps of 50 no longer change a double.
    if (!(last_depth < 1e12)) return std::floor(last_depth / 50) * 50 + 50;
    double dscale = std::floor(last_depth / 50) * 50;
    while (dscale > last_depth) dscale -= 50;
    while (dscale <= last_depth) dscale += 50;
    return dscale;
}

void draw_cast_page(PlotSurface& page, const CruiseData& d, int k) {
    const double dscale = depth_scale(d.castdat(k, samples_of(d, k), kDepth));
    page.Scale(-30, -100, 140, 250);
    draw_legend(d, page);
    draw_frame(d, page, dscale);
    draw_profiles(d, page, k, dscale);
    draw_header(d, page, k);
    draw_table(d, page, k);
}

std::vector<int> report_casts(const CruiseData& d, int selector) {
    std::vector<int> casts;
    if (selector == 1) {
        const int n = std::clamp(int(d.ncast), 0, kMaxCast);
        // Casts no load has filled (casts 1..50 after a Bongo-SB load on a
        // fresh start) hold nothing worth a page.
        for (int k = 1; k <= n; ++k)
            if (!d.castfile[k].empty()) casts.push_back(k);
    } else {
        casts.push_back(std::clamp(int(d.curcast), 0, kMaxCast));
    }
    return casts;
}

#include "print/station_plot.h"

#include <algorithm>
#include <charconv>

#include "format/number_format.h"
#include "print/report.h"
#include "ui/coastline.h"
#include "ui/profile_plot.h"

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of t that reads as a decimal number:
// [sign] digits [. digits] [e [sign] digits], with at least one mantissa digit.
std::size_t number_prefix(std::string_view t) {
    std::size_t n = 0;
    if (n < t.size() && (t[n] == '+' || t[n] == '-')) ++n;
    std::size_t digits = 0;
    while (n < t.size() && is_digit(t[n])) ++n, ++digits;
    if (n < t.size() && t[n] == '.') {
        ++n;
        while (n < t.size() && is_digit(t[n])) ++n, ++digits;
    }
    if (digits == 0) return 0;
    if (n < t.size() && (t[n] == 'e' || t[n] == 'E')) {
        std::size_t e = n + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) ++e;
        if (e < t.size() && is_digit(t[e])) {
            while (e < t.size() && is_digit(t[e])) ++e;
            n = e;
        }
    }
    return n;
}

// Page coordinates: degrees west across, degrees north down the page.
constexpr double kWest = 72, kNorth = 44, kEast = 64.5, kSouth = 36.6;

}  // namespace

std::string cast_label(std::string_view castno) {
    const std::size_t start = castno.find_first_not_of(" \t");
    if (start == std::string_view::npos) return signed_text(0);
    std::string_view t = castno.substr(start, number_prefix(castno.substr(start)));
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc{}) value = 0;
    // -0 from "-0" still reads as " 0".
    return signed_text(negative && value != 0 ? -value : value);
}

void staprint(Viewer& v, bool withtrack) {
    staprint(v, withtrack, report_path(v, withtrack ? Report::track : Report::stations));
}

bool staprint(Viewer& v, bool withtrack, const std::string& output) {
    const CruiseData& d = v.d;
    v.filemsg.Visible(true);
    v.filemsg.Text("   Printing plot of cast locations");

    PlotSurface& page = v.printer.job(output);
    page.Scale(kWest, kNorth, kEast, kSouth);
    page.FillStyle(kFillSolid);

    // Casts no load has filled (casts 1..50 after a Bongo-SB load on a fresh
    // start) have no station: no dot, and no track segment running to 0 N 0 W.
    const auto loaded = [&d](int i) { return !d.castfile[i].empty(); };
    const int n = std::clamp(int(d.ncast), 0, kMaxCast);
    for (int i = 1; i <= n; ++i) {
        if (!loaded(i)) continue;
        page.Circle(d.lon[i], d.lat[i], d.stnrad * 0.6);
        page.CurrentX(d.lon[i] + 0.05);
        page.CurrentY(d.lat[i] + 0.1);
        page.Print(cast_label(d.castno[i]));
        // Drawn after the dot and label of the later cast, so it passes over them.
        if (i > 1 && withtrack && loaded(i - 1)) page.Line(d.lon[i], d.lat[i], d.lon[i - 1], d.lat[i - 1]);
    }

    const CoastResult coast = drawcoast(page, v.paths.coast_print);

    // The frame of the screen map.
    page.Line(71, 42.5, 71, 40);
    page.Line(71, 42.5, 65.5, 42.5);
    page.Line(65.5, 42.5, 65.5, 40);
    page.Line(65.5, 40, 71, 40);
    page.CurrentX(69);
    page.CurrentY(39.8);
    page.Print("Cast Positions");

    const bool ok = finish_job(v, page, output, coast.ok() ? "" : "no coastline, " + coast.message());
    v.filemsg.Visible(false);
    drawcast(v, int(d.curcast));
    return ok;
}

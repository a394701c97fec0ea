#include "print/station_plot.h"

#include <algorithm>

#include "format/number_format.h"
#include "plot/coastline.h"
#include "readers/record_fields.h"

namespace {

// Page coordinates: degrees west across, degrees north down the page.
constexpr double kWest = 72, kNorth = 44, kEast = 64.5, kSouth = 36.6;

}  // namespace

std::string cast_label(std::string_view castno) {
    const std::size_t start = castno.find_first_not_of(" \t");
    if (start == std::string_view::npos) return signed_text(0);
    const double value = leading_number(castno.substr(start));
    return signed_text(value == 0 ? 0.0 : value);  // "-0" reads as " 0"
}

CoastResult draw_station_plot(PlotSurface& page, const CruiseData& d, const std::string& coast_path, bool withtrack) {
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

    CoastResult coast = drawcoast(page, coast_path);

    // The frame of the screen map.
    page.Line(71, 42.5, 71, 40);
    page.Line(71, 42.5, 65.5, 42.5);
    page.Line(65.5, 42.5, 65.5, 40);
    page.Line(65.5, 40, 71, 40);
    page.CurrentX(69);
    page.CurrentY(39.8);
    page.Print("Cast Positions");
    return coast;
}

#include "print/station_plot.h"

#include <algorithm>

#include "format/number_format.h"
#include "plot/coastline.h"
#include "plot/map_frame.h"
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

CoastResult draw_station_plot(PlotSurface& page, const CruiseData& d, const std::string& coast_fixed,
                              const std::string& coast_world, bool withtrack) {
    // A fitted map moves the whole page by the change that takes the fixed
    // frame to the fitted one, so frame, title and labels keep their places.
    const MapFrame f = map_frame(d);
    const auto X = [&f](double x) { return f.fitted ? f.x(x) : x; };
    const auto Y = [&f](double y) { return f.fitted ? f.y(y) : y; };
    const double sx = f.fitted ? f.scale() : 1, sy = f.fitted ? (f.north - f.south) / 2.5 : 1;
    page.Scale(X(kWest), Y(kNorth), X(kEast), Y(kSouth));
    page.FillStyle(kFillSolid);

    // Casts no load filled (casts 1..50 after a Bongo-SB load on a fresh
    // start) or without a position have no station: no dot, and no track
    // segment running to 0 N 0 W.
    const int n = std::clamp(int(d.ncast), 0, kMaxCast);
    for (int i = 1; i <= n; ++i) {
        if (!has_station(d, i)) continue;
        page.Circle(d.lon[i], d.lat[i], d.stnrad * 0.6 * sx);
        page.CurrentX(d.lon[i] + 0.05 * sx);
        page.CurrentY(d.lat[i] + 0.1 * sy);
        page.Print(cast_label(d.castno[i]));
        // Drawn after the dot and label of the later cast, so it passes over them.
        if (i > 1 && withtrack && has_station(d, i - 1)) page.Line(d.lon[i], d.lat[i], d.lon[i - 1], d.lat[i - 1]);
    }

    CoastResult coast = f.fitted ? draw_coast_in_frame(page, coast_world, X(kWest), Y(kNorth), X(kEast), Y(kSouth))
                                 : drawcoast(page, coast_fixed);

    // The frame of the screen map.
    page.Line(X(71), Y(42.5), X(71), Y(40));
    page.Line(X(71), Y(42.5), X(65.5), Y(42.5));
    page.Line(X(65.5), Y(42.5), X(65.5), Y(40));
    page.Line(X(65.5), Y(40), X(71), Y(40));
    page.CurrentX(X(69));
    page.CurrentY(Y(39.8));
    page.Print("Cast Positions");
    return coast;
}

#include "plot/map_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

struct Pos {
    double lon, lat;  // degrees west, north; a NaN longitude: a cast no load filled, a NaN latitude: no position
};

CruiseData cruise(const std::vector<Pos>& stations) {
    CruiseData d;
    d.ncast = double(stations.size());
    for (int i = 1; i <= int(stations.size()); ++i) {
        const auto [lon, lat] = stations[i - 1];
        d.castfile[i] = std::isnan(lon) ? "" : "c" + std::to_string(i), d.lon[i] = lon;
        if (!std::isnan(lat)) d.lat[i] = lat;
    }
    return d;
}

// Frames worked by hand from the rule: pad 10 % (at least 0.05 degrees), then
// widen one span about the centre to lat span = 0.64 cos(mid lat) lon span.
TEST(MapFrame, FitsTheStationsOutsideTheFixedFrame) {
    const auto r = [](double lat) { return 0.64 * std::cos(lat * std::numbers::pi / 180); };
    // clang-format off
    struct Row { const char* name; std::vector<Pos> stations; MapFrame want; };
    const Row rows[] = {
        {"inside, edges included", {{71, 42.5}, {65.5, 40}, {68, 41}}, MapFrame{}},
        {"no station", {}, MapFrame{}},
        {"only positioned, loaded casts count", {{70, 41}, {4, NAN}, {NAN, 51}}, MapFrame{}},
        // Box 70..68 W, 39.5..42.5 N; padded 70.2..67.8, 39.2..42.8: lat span
        // 3.6 > 0.64 cos(41) 2.4, so the longitude span widens to 3.6 / r.
        {"straddles the south edge", {{70, 42.5}, {68, 39.5}},
         MapFrame{69 + 1.8 / r(41), 42.8, 69 - 1.8 / r(41), 39.2, true}},
        // One station: pads of 0.05 make a 0.1 square; its lat span is above
        // r 0.1, so the longitude span widens to 0.1 / r.
        {"a single station", {{4.2, 50.3}}, MapFrame{4.2 + 0.05 / r(50.3), 50.35, 4.2 - 0.05 / r(50.3), 50.25, true}},
        // Two stations 0.3 apart along 50.3 N: pads of at least 0.05 give 0.4 across, and the latitude span widens.
        {"along one latitude", {{4.0, 50.3}, {4.3, 50.3}},
         MapFrame{4.35, 50.3 + 0.2 * r(50.3), 3.95, 50.3 - 0.2 * r(50.3), true}},
        // Southern hemisphere, east longitudes (negative west): box -150..-151 W,
        // -40..-42 N, padded by 0.1 and 0.2; r = 0.64 cos(-41) < 2.4 / 1.2.
        {"southern hemisphere", {{-150, -40}, {-151, -42}},
         MapFrame{-150.5 + 1.2 / r(-41), -39.8, -150.5 - 1.2 / r(-41), -42.2, true}},
    };  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MapFrame f = map_frame(cruise(row.stations));
        EXPECT_EQ(f.fitted, row.want.fitted);
        for (double MapFrame::*edge : {&MapFrame::west, &MapFrame::north, &MapFrame::east, &MapFrame::south})
            EXPECT_NEAR(f.*edge, row.want.*edge, 1e-9);
    }
}

}  // namespace

#include "plot/section_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr double kDegreeKm = 6371 * std::numbers::pi / 180;  // one degree of a great circle

// Great circles on the 6371 km sphere: an arc of 1 degree, and a degree of
// longitude at 60 N (2 R asin(cos 60 sin 0.5 deg) = 55.5964 km).
TEST(GreatCircle, KnownDistances) {
    // clang-format off
    struct Row { const char* name; double lat1, lon1, lat2, lon2, km; };
    const Row rows[] = {
        {"a degree along a meridian",     41,   70,  42,   70,  kDegreeKm},
        {"a degree of longitude at 60 N", 60,   4,   60,   5,   55.59640},
        {"the same place",                50.3, 4.2, 50.3, 4.2, 0},
    };  // clang-format on
    for (const Row& r : rows)
        EXPECT_NEAR(great_circle_km(r.lat1, r.lon1, r.lat2, r.lon2), r.km, 1e-5 * std::max(1.0, r.km)) << r.name;
}

struct Cast {
    double lat, lon;                                 // NaN latitude: no position
    std::vector<std::pair<double, double>> samples;  // depth, value
    double botdep = NAN;
    bool loaded = true;
};

CruiseData cruise(const std::vector<Cast>& casts) {
    CruiseData d;
    d.ncast = double(casts.size());
    for (int c = 1; c <= int(casts.size()); ++c) {
        const Cast& k = casts[std::size_t(c - 1)];
        if (k.loaded) d.castfile[c] = "c" + std::to_string(c);
        if (!std::isnan(k.lat)) d.lat[c] = k.lat, d.lon[c] = k.lon;
        if (!std::isnan(k.botdep)) d.botdep[c] = k.botdep;
        d.npts[c] = double(k.samples.size());
        for (int s = 1; s <= int(k.samples.size()); ++s)
            std::tie(d.castdat(c, s, kDepth), d.castdat(c, s, kTemp)) = k.samples[std::size_t(s - 1)];
    }
    return d;
}

// A field linear in distance and depth, sampled by casts of different depths
// (deepest 100, 60, 80 m; the middle one listed deepest first) 0.1 and 0.2
// degrees apart along a meridian, is reproduced on the grid where both
// neighbouring casts reach; down to the line joining their deepest samples
// the deeper one's values go on, and nothing is below it.
TEST(SectionGrid, ReproducesALinearFieldAndNothingBelowTheBed) {
    const auto v = [](double km, double depth) { return 10 + 0.02 * km + 0.05 * depth; };
    const double km[] = {0, 0.1 * kDegreeKm, 0.3 * kDegreeKm}, deepest[] = {100, 60, 80};
    std::vector<Cast> casts;
    for (int i = 0; i < 3; ++i) {
        Cast c{41 + (i == 2 ? 0.3 : 0.1 * i), 70, {}};
        for (double z = deepest[i]; z >= 0; z -= 20) c.samples.push_back({z, v(km[i], z)});
        if (i != 1) std::reverse(c.samples.begin(), c.samples.end());
        casts.push_back(c);
    }
    const SectionGrid s = make_section(cruise(casts), {}, 11);
    ASSERT_EQ(s.stations.size(), 3u);
    EXPECT_EQ(s.deepest(), 100);
    const Field f = section_field(s, 9);
    int valued = 0;
    for (int i = 0; i < f.nx; ++i) {
        const double x = f.x(i);
        const int seg = x <= km[1] ? 0 : 1;
        const double bed = deepest[seg] + (x - km[seg]) / (km[seg + 1] - km[seg]) * (deepest[seg + 1] - deepest[seg]);
        for (int j = 0; j < f.ny; ++j) {
            const double z = f.y(j), got = f.at(i, j);
            const int where = z <= std::min(deepest[seg], deepest[seg + 1]) ? 0 : z <= bed + 1e-9 ? 1 : 2;
            const bool holds[] = {std::abs(got - v(x, z)) < 1e-9, std::isfinite(got), std::isnan(got)};
            EXPECT_TRUE(holds[where]) << x << " km, " << z << " m: " << got;
            valued += where == 0;
        }
    }
    EXPECT_GT(valued, f.nx * f.ny / 2);
}

// Which casts make the stations, and how a station's profile is made.
TEST(SectionGrid, StationsFromTheCasts) {
    const double nan = NAN;
    const Cast a{41, 70, {{0, 10}, {10, 20}}};
    // clang-format off
    struct Row {  // stations: the casts of each; the first station's values on levels 0, 5, 10 m and its seabed
        const char* name; std::vector<Cast> casts; SectionChoice choice; std::vector<std::vector<int>> stations;
        std::vector<double> first_values; double seabed;
    };
    const Row rows[] = {
        {"one cast: constant above its first sample", {{41, 70, {{5, 15}, {10, 20}}}}, {}, {{1}}, {15, 15, 20}, 10},
        {"two casts at one place: the mean where both reach, one where one does",
         {a, {41, 70, {{0, 14}, {5, 16}}, 30}}, {}, {{1, 2}}, {12, 15.5, 20}, 30},
        {"casts 5 m apart are one station, 20 m apart two",
         {a, {41.000045, 70, {{0, 12}, {10, 22}}}, {41.000225, 70, {{0, 0}, {10, 0}}}}, {}, {{1, 2}, {3}},
         {11, 16, 21}, 10},
        {"no position, not loaded, outside the choice: left out",
         {{nan, 0, {{0, 1}, {10, 1}}}, {41, 70, {{0, 1}, {10, 1}}, nan, false}, a, {41.5, 70, {{0, 1}, {10, 1}}}},
         {1, 3}, {{3}}, {10, 15, 20}, 10},
        {"no cast", {}, {}, {}, {}, 0},
    };  // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SectionGrid s = make_section(cruise(r.casts), r.choice, 3);
        ASSERT_EQ(s.stations.size(), r.stations.size());
        for (std::size_t k = 0; k < s.stations.size(); ++k) EXPECT_EQ(s.stations[k].casts, r.stations[k]);
        if (s.stations.empty()) continue;
        EXPECT_EQ(s.stations[0].values, r.first_values);
        EXPECT_EQ(s.stations[0].seabed, r.seabed);
        EXPECT_EQ(s.km_hi - s.km_lo, s.stations.size() == 1 ? 1.0 : s.stations.back().km);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <vector>

#include "plot/coastline.h"
#include "plot/map_frame.h"
#include "print/station_plot.h"
#include "testing/fake_windows.h"
#include "ui/load_cruise.h"
#include "ui/station_map.h"

namespace {

using Op = RecordingSurface::Op;
using Calls = std::vector<std::vector<double>>;

Calls drawn(const RecordingSurface& s) {
    Calls out;
    for (const auto& c : s.calls())
        out.push_back({double(c.op), c.a, c.b, c.c, c.d, c.op == Op::Circle ? double(c.state.fill) : 0});
    return out;
}

// The SB911 sample cut to its casts inside the fixed frame: the map, the
// picking and the printed plot are those of the fixed frame, call for call.
TEST(FixedFrame, InFrameCruiseDrawsPicksAndPrintsAsBefore) {
    FakeViewer f{ViewerPaths{QUENVAR_DATA_DIR "/brscale2.bln", QUENVAR_DATA_DIR "/brscale.bln", "", ""}};
    EXPECT_FALSE(load_file(f.viewer, QUENVAR_SAMPLES_DIR "/sb911/EN617.hdr").stopped);
    CruiseData& d = f.d;
    int n = 0;
    for (int i = 1; i <= d.ncast; ++i)
        if (d.lat[i] >= 40)
            ++n, d.lat[n] = double(d.lat[i]), d.lon[n] = double(d.lon[i]), d.castfile[n] = d.castfile[i];
    d.ncast = n;
    ASSERT_GT(n, 20);
    ASSERT_FALSE(map_frame(d).fitted);

    // The map: the fixed Scale, a marker of stnrad per cast, the screen coastline.
    RecordingSurface want(f.Stations.map.BackColor(), f.Stations.map.ForeColor());
    want.Scale(71, 42.5, 65.5, 40);
    for (int i = 1; i <= n; ++i)
        want.ForeColor(QBColor(4)), want.FillColor(want.BackColor()), want.Circle(d.lon[i], d.lat[i], 0.08),
            want.ForeColor(f.Stations.map.ForeColor());
    ASSERT_TRUE(drawcoast(want, f.viewer.paths.coast_screen).ok());
    f.Stations.map.clear();
    ASSERT_TRUE(stamap(f.viewer).ok());
    EXPECT_EQ(drawn(f.Stations.map), drawn(want));

    // Picking: each station's own box, 0.05 degrees, whatever the window.
    for (int i = n; i >= 1; i -= 5) {
        Stations::Form_MouseDown(f.viewer, 1, 0, d.lon[i] + 0.049, d.lat[i] - 0.049);
        EXPECT_LE(int(d.curcast), i);
        EXPECT_LT(std::abs(d.lon[int(d.curcast)] - d.lon[i]), 0.1);
    }

    // The printed plot: the fixed page, a dot per cast.
    RecordingSurface page;
    EXPECT_TRUE(draw_station_plot(page, d, f.viewer.paths.coast_print, "", false).ok());
    const auto& c = page.calls().at(0);
    EXPECT_EQ(std::vector<double>({c.a, c.b, c.c, c.d, double(page.of(Op::Circle).size())}),
              std::vector<double>({72, 44, 64.5, 36.6, double(n)}));
}

}  // namespace

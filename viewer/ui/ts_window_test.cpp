#include "ui/ts_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "testing/fake_windows.h"
#include "ui/profile_plot.h"

namespace {

// Two casts of three scans. A hidden window is not drawn; a shown one follows
// each cast drawn, from a cleared image. The real window's test presses a dot.
TEST(TsWindow, FollowsTheCurrentCastWhenShown) {
    FakeViewer f{ViewerPaths{}};
    FakePlotWindow ts;
    f.viewer.ts = &ts, f.viewer.report_folder = "/cruises/EN617/";
    for (int c = 1; c <= 2; ++c) {
        f.d.castfile[c] = "c", f.d.castno[c] = "00" + std::to_string(c), f.d.npts[c] = 3;
        for (int k = 1; k <= 3; ++k)
            f.d.castdat(c, k, kDepth) = k, f.d.castdat(c, k, kTemp) = 10 + c + k, f.d.castdat(c, k, kSalt) = 33;
    }
    f.d.ncast = 2, f.d.curcast = 1;
    const auto shows = [&ts](const std::string& text) { return std::ranges::count(ts.plot.texts(), text) > 0; };
    drawcast(f.viewer, 1);
    EXPECT_TRUE(ts.plot.calls().empty());
    show_ts(f.viewer);
    quenvar::Form_KeyDown(f.viewer, 39, 0);
    EXPECT_EQ(ts.plot.calls().at(0).op, RecordingSurface::Op::Cls);
    EXPECT_TRUE(shows("cast 002") && !shows("cast 001"));
    // The page's title names the cruise's folder (given with a final slash), the cast and its station.
    f.d.stdsta[2] = "L2 ";
    ASSERT_TRUE(print_ts(f.viewer, "out/ts.pdf"));
    EXPECT_EQ(f.printer.jobs.at(0).second.texts().at(0), "EN617: T-S diagram, cast 002, station L2");
}

}  // namespace

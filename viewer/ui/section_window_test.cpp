#include "ui/section_window.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "plot/section_plot.h"
#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// Casts 1..4 along a meridian 0.1 degrees (11.1 km) apart, two scans each. The
// dialog offers the present choice over every cast; OK takes the casts in
// order, hides the dialog and shows the section drawn; a load runs it over all
// casts again, keeping the variable while the cruise has it. A press makes the
// nearest station's cast current; a print needs a station.
TEST(SectionWindow, DialogLoadPickAndPrint) {
    FakeViewer f{ViewerPaths{}};
    FakePlotWindow window;
    FakeSectionDialog dialog;
    f.viewer.section = &window, f.viewer.sectionbox = &dialog;
    for (int c = 1; c <= 4; ++c) {
        f.d.castfile[c] = "c", f.d.castno[c] = "00" + std::to_string(c), f.d.npts[c] = 2;
        f.d.lat[c] = 41 + 0.1 * c, f.d.lon[c] = 70;
        for (int k = 1; k <= 2; ++k)
            f.d.castdat(c, k, kDepth) = 10 * k, f.d.castdat(c, k, kTemp) = 10 + c, f.d.castdat(c, k, kSalt) = 33;
    }
    f.d.ncast = 4, f.d.curcast = 1, f.d.ncol = 5;
    const SectionChoice& now = f.viewer.section_choice;
    const auto choice = [&now] { return std::tuple(now.first, now.last, now.var); };

    quenvar::section_Click(f.viewer);
    EXPECT_TRUE(dialog.visible && dialog.ncast == 4 && dialog.offered.first == 1 && dialog.offered.last == 4);
    EXPECT_EQ(dialog.vars, (std::vector<int>{kTemp, kSalt, kFluor, kSigma, kTrans}));
    dialog.chosen = {4, 2, kSalt};
    sectionbox::ok_Click(f.viewer);
    EXPECT_TRUE(!dialog.visible && window.visible && choice() == std::tuple(2, 4, kSalt));
    EXPECT_EQ(window.plot.calls().at(0).op, Op::Cls);
    EXPECT_EQ(window.plot.texts().at(0), "salinity, casts 002 to 004");
    for (const auto& [ncol, want] : {std::pair(5, kSalt), std::pair(4, kSalt), std::pair(4, kTemp)}) {
        f.viewer.section_choice.var = want == kTemp ? kTrans : kSalt, f.d.ncol = ncol;
        section_loaded(f.viewer);
        EXPECT_EQ(choice(), std::tuple(1, 0, want));
    }

    const Box b = section_box(window.size, true);
    Section::Form_MouseDown(f.viewer, 1, 0, b.left + (b.right - b.left) * 0.6, b.top);
    EXPECT_EQ(f.d.curcast, 3.0);
    EXPECT_TRUE(print_section(f.viewer, "s.pdf"));
    const RecordingSurface& page = f.printer.jobs.at(0).second;
    EXPECT_EQ(page.of(Op::Image).size(), 2u) << "the field and the colour bar";
    EXPECT_EQ(last(page.of(Op::FillPolygon)).color, rgb(160, 160, 160)) << "the sea bed";
    f.viewer.section_choice.var = kFluor;
    EXPECT_FALSE(print_section(f.viewer, "s.pdf"));
    EXPECT_EQ(last(f.quenvar.statuses), "No casts with a position and data for the section");
}

}  // namespace

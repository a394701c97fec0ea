#include "ui/profile_plot.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

using Lines = std::vector<std::tuple<double, double, double, double, Color>>;  // x1, y1, x2, y2, colour

Lines lines(const RecordingSurface& s) {
    Lines out;
    for (const auto& c : s.of(Op::Line)) out.emplace_back(c.a, c.b, c.c, c.d, c.state.fore);
    return out;
}

// Drawing titles the window, fills the information window and lists the cast
// from scan 1; erasing draws the same lines in the background.
TEST(Drawcast, DrawThenErase) {
    FakeViewer f;
    f.d.ncast = 1, f.d.curcast = 1, f.d.npts[1] = 3, f.d.ncol = 5;
    for (int k = 1; k <= 3; ++k) f.d.castdat(1, k, kDepth) = 40 + 10 * k, f.d.castdat(1, k, kTemp) = 12;
    f.d.castdat(1, 1, kSalt) = 33.5, f.d.castdat(1, 1, kFluor) = 1, f.d.castdat(1, 1, kSigma) = 27;  // x 50, 20, 80
    f.d.castfile[1] = "/cruise/c1.PRE", f.d.castno[1] = "001";
    f.lister.scroll.Max(20), f.lister.scroll.Value(10), f.lister.list.clear();
    drawcast(f.viewer, 1);
    // Temperature: a point and two segments; a point of each other variable; each in its colour.
    const Lines drawn = lines(f.quenvar.plot);
    const Lines want{{50, 50, 50, 50, QBColor(1)}, {50, 50, 50, 60, QBColor(1)}, {50, 60, 50, 70, QBColor(1)},
                     {50, 50, 50, 50, QBColor(3)}, {20, 50, 20, 50, QBColor(5)}, {80, 50, 80, 50, QBColor(4)}};
    EXPECT_EQ(drawn, want);
    EXPECT_EQ(std::tuple(last(f.quenvar.captions), f.info.fields[InfoField::labsta], f.lister.scroll.Max()),
              std::tuple("/cruise/c1.PRE", "001", 3));
    const auto texts = f.lister.list.texts();  // scan 3 as the range shrank, then scans 1 to 3
    EXPECT_EQ(std::pair(texts.size(), texts.at(1).substr(0, 7)), std::pair(4ul, std::string("    50.")));

    f.quenvar.plot.clear();
    drawcast(f.viewer, -1);
    auto erased = drawn;
    for (auto& line : erased) std::get<4>(line) = f.quenvar.plot.BackColor();
    EXPECT_EQ(lines(f.quenvar.plot), erased);
}

// Arrows step with wrap-around; the old marker is reset (cast 0 has no erase:
// -0 draws), the new one filled.
TEST(FormKeyDown, StepsWithWrapAround) {
    // clang-format off
    struct Row { const char* name; int ncast, from, key, to; };
    const Row rows[] = {{"right from the last cast", 3, 3, 39, 1}, {"left from cast 1", 3, 1, 37, 3},
                        {"right", 3, 2, 39, 3}, {"before any load, left", 0, 0, 37, 0}};  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        for (int c = 0; c <= 3; ++c) f.d.lon[c] = 60 + c, f.d.lat[c] = 41;
        f.d.ncast = row.ncast, f.d.curcast = row.from;
        quenvar::Form_KeyDown(f.viewer, row.key, 1);
        EXPECT_EQ(f.d.curcast.value(), row.to);
        const auto marks = f.Stations.map.of(Op::Circle);
        ASSERT_EQ(marks.size(), 2u);
        EXPECT_EQ(std::tuple(marks[0].a, marks[0].state.fill == QBColor(11), marks[1].a, marks[1].state.fill),
                  std::tuple(60.0 + row.from, row.from == 0, 60.0 + row.to, QBColor(11)));
    }
}

// A cast past the store draws nothing rather than throw.
TEST(Drawcast, CastOutsideTheStoreDrawsNothing) {
    FakeViewer f;
    for (auto [cur, p] : {std::pair{1, kMaxCast + 1}, {1, -(kMaxCast + 1)}, {kMaxCast + 1, kMaxCast + 1}})
        f.d.curcast = cur, drawcast(f.viewer, p);
    EXPECT_TRUE(f.Stations.map.calls().empty() && f.quenvar.plot.calls().empty());
}

}  // namespace

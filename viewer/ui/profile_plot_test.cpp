#include "ui/profile_plot.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// (x1, y1, x2, y2, colour) of every line drawn.
std::vector<std::tuple<double, double, double, double, Color>> lines(const RecordingSurface& s) {
    std::vector<std::tuple<double, double, double, double, Color>> out;
    for (const auto& c : s.of(Op::Line)) out.emplace_back(c.a, c.b, c.c, c.d, c.state.fore);
    return out;
}

// Drawing titles the window, refreshes the information window and lists the
// cast: shrinking the scroll range moves the box, which lists from there inside
// the drawing, then the listing runs again from scan 1. Erasing draws the same
// lines in the background colour and changes nothing else. Markers: with the keys.
TEST(Drawcast, DrawThenErase) {
    FakeViewer f;
    f.d.ncast = 1, f.d.curcast = 1, f.d.npts[1] = 3, f.d.ncol = 5;
    for (int k = 1; k <= 3; ++k) f.d.castdat(1, k, kDepth) = 40 + 10 * k, f.d.castdat(1, k, kTemp) = 12;
    f.d.castdat(1, 1, kSalt) = 33.5, f.d.castdat(1, 1, kFluor) = 1, f.d.castdat(1, 1, kSigma) = 27;  // x 50, 20, 80
    f.d.castfile[1] = "/cruise/c1.PRE", f.d.castno[1] = "001";
    f.lister.scroll.Max(20), f.lister.scroll.Min(1), f.lister.scroll.Value(10);
    std::vector<int> nested;
    f.lister.scroll.on_change = [&, list = f.lister.scroll.on_change] {
        nested.push_back(f.lister.scroll.Value());
        list();
    };
    f.lister.list.clear();
    drawcast(f.viewer, 1);
    // Temperature: a point and two segments; a point of each other variable; each in its colour.
    const auto drawn = lines(f.quenvar.plot);
    const Color temp = QBColor(1);
    EXPECT_EQ(drawn, (std::vector<std::tuple<double, double, double, double, Color>>{
                         {50, 50, 50, 50, temp}, {50, 50, 50, 60, temp}, {50, 60, 50, 70, temp},
                         {50, 50, 50, 50, QBColor(3)}, {20, 50, 20, 50, QBColor(5)}, {80, 50, 80, 50, QBColor(4)}}));
    EXPECT_EQ(std::tuple(last(f.quenvar.captions), f.info.fields[InfoField::labsta], f.lister.scroll.Max(), nested),
              std::tuple("/cruise/c1.PRE", "001", 3, std::vector<int>{3}));
    const auto texts = f.lister.list.texts();
    ASSERT_EQ(texts.size(), 4u);  // scan 3 alone, then scans 1 to 3
    EXPECT_EQ(std::pair(texts[0], texts[1].substr(0, 7)), std::pair(texts[3], std::string("    50.")));

    f.quenvar.plot.clear(), f.lister.list.clear(), f.info.fields.clear();
    drawcast(f.viewer, -1);
    const Color back = f.quenvar.plot.BackColor();
    auto erased = drawn;
    for (auto& line : erased) std::get<4>(line) = back;
    EXPECT_EQ(lines(f.quenvar.plot), erased);
    EXPECT_EQ(std::tuple(f.quenvar.captions.size(), f.info.fields.size(), f.lister.list.calls().size()),
              std::tuple(1u, 0u, 0u));
}

TEST(FormKeyDown, StepsWithWrapAround) {
    struct Row { const char* name; int ncast, from, key, shift, to; };
    const Row rows[] = {
        {"right", 3, 1, 39, 0, 2},         {"right from the last cast", 3, 3, 39, 0, 1},
        {"left", 3, 2, 37, 0, 1},          {"left from cast 1", 3, 1, 37, 0, 3},
        {"shift ignored", 3, 2, 39, 1, 3}, {"before any load, right", 0, 0, 39, 0, 1},
        {"before any load, left", 0, 0, 37, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        for (int c = 0; c <= 3; ++c) f.d.lon[c] = 60 + c, f.d.lat[c] = 41;
        f.d.ncast = row.ncast, f.d.curcast = row.from;
        quenvar::Form_KeyDown(f.viewer, row.key, row.shift);
        EXPECT_EQ(f.d.curcast.value(), row.to);
        // The old marker reset (cast 0 has no erase: -0 draws), the new one filled.
        const auto marks = f.Stations.map.of(Op::Circle);
        ASSERT_EQ(marks.size(), 2u);
        EXPECT_EQ(std::pair(marks[0].a, marks[0].state.fill),
                  std::pair(60.0 + row.from, row.from == 0 ? QBColor(11) : f.Stations.map.BackColor()));
        EXPECT_EQ(std::tuple(marks[1].a, marks[1].c, marks[1].state.fore, marks[1].state.fill),
                  std::tuple(60.0 + row.to, 0.08, QBColor(4), QBColor(11)));
    }
    FakeViewer f;
    f.d.ncast = 3, f.d.curcast = 2;
    for (int key : {38, 40, 13, 32, 0}) quenvar::Form_KeyDown(f.viewer, key, 0);
    EXPECT_EQ(f.d.curcast.value(), 2) << "other keys do nothing";
    EXPECT_TRUE(f.Stations.map.calls().empty() && f.quenvar.plot.calls().empty());
}

// Callers pass curcast or -curcast; anything past the store draws nothing rather than throw.
TEST(Drawcast, CastOutsideTheStoreDrawsNothing) {
    FakeViewer f;
    for (auto [cur, p] : {std::pair{1, kMaxCast + 1}, {1, -(kMaxCast + 1)}, {kMaxCast + 1, kMaxCast + 1}}) {
        f.d.curcast = cur;
        EXPECT_NO_THROW(drawcast(f.viewer, p));
    }
    EXPECT_TRUE(f.Stations.map.calls().empty() && f.quenvar.plot.calls().empty());
}

}  // namespace

#include "ui/profile_plot.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;
using Segments = std::vector<std::vector<double>>;  // x1, y1, x2, y2

Segments segments(const RecordingSurface& s) {
    Segments out;
    for (const auto& c : s.of(Op::Line)) out.push_back({c.a, c.b, c.c, c.d});
    return out;
}

// A started viewer showing cast 1 of one, with the given (depth, temperature)
// scans; every other variable stays unset, which maps left of every start-up axis.
struct OneCast : FakeViewer {
    explicit OneCast(const std::vector<std::pair<double, double>>& scans = {}) {
        setup(viewer);
        d.npts[1] = double(scans.size());
        for (int k = 1; k <= int(scans.size()); ++k)
            d.castdat(1, k, kDepth) = scans[k - 1].first, d.castdat(1, k, kTemp) = scans[k - 1].second;
        d.ncast = 1, d.curcast = 1;
    }
};

TEST(Drawaxes, ClearsToWhiteThenDrawsTheFrame) {
    FakeViewer f;
    setup(f.viewer);
    drawaxes(f.viewer);
    const auto& calls = f.quenvar.plot.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(std::tuple(calls[0].op, calls[1].op, calls[1].a, calls[1].d), std::tuple(Op::Cls, Op::Scale, -10, 110));
    EXPECT_EQ(calls[1].state.back, QBColor(15));
    EXPECT_EQ(f.quenvar.plot.of(Op::Print).size(), 14u);
}

// Drawing fills the marker, titles the window, refreshes the information window
// and lists from scan 1; erasing redraws the same segments in the background
// colour, resets the marker and changes nothing else.
TEST(Drawcast, DrawThenErase) {
    OneCast f({{50, 12}, {60, 12}, {70, 12}});
    f.d.castdat(1, 1, kSalt) = 33.5, f.d.castdat(1, 1, kFluor) = 1, f.d.castdat(1, 1, kSigma) = 27;  // x 50, 20, 80
    f.d.castfile[1] = "/cruise/c1.PRE";
    f.d.lon[1] = 70.5, f.d.lat[1] = 41.25, f.d.ncol = 5;
    f.lister.scroll.Min(1);  // the box already at scan 1: no listing from the range change
    f.lister.list.clear();
    drawcast(f.viewer, 1);
    // Temperature: a point and two segments; a point of each other variable; each in its colour.
    std::vector<std::pair<double, Color>> starts;
    for (const auto& c : f.quenvar.plot.of(Op::Line)) starts.emplace_back(c.a, c.state.fore);
    EXPECT_EQ(starts, (std::vector<std::pair<double, Color>>{{50, QBColor(1)}, {50, QBColor(1)}, {50, QBColor(1)},
                                                             {50, QBColor(3)}, {20, QBColor(5)}, {80, QBColor(4)}}));
    const auto mark = f.Stations.map.calls().at(0);
    EXPECT_EQ(std::tuple(mark.op, mark.a, mark.b, mark.c, mark.state.fore, mark.state.fill),
              std::tuple(Op::Circle, 70.5, 41.25, 0.08, QBColor(4), QBColor(11)));
    EXPECT_EQ(f.quenvar.captions, std::vector<std::string>{"/cruise/c1.PRE"});
    EXPECT_EQ(f.info.order.size(), 6u);
    EXPECT_EQ(std::tuple(f.lister.scroll.Min(), f.lister.scroll.Max(), f.lister.list.texts().size()),
              std::tuple(1, 3, 3u));

    const Segments drawn = segments(f.quenvar.plot);
    f.quenvar.plot.clear(), f.Stations.map.clear(), f.lister.list.clear();
    drawcast(f.viewer, -1);
    EXPECT_EQ(segments(f.quenvar.plot), drawn);
    for (const auto& c : f.quenvar.plot.of(Op::Line)) EXPECT_EQ(c.state.fore, f.quenvar.plot.BackColor());
    const auto reset = f.Stations.map.calls().at(0);
    EXPECT_EQ(std::pair(reset.state.fore, reset.state.fill), std::pair(QBColor(4), f.Stations.map.BackColor()));
    EXPECT_EQ(std::tuple(f.quenvar.captions.size(), f.info.order.size(), f.lister.list.calls().size()),
              std::tuple(1u, 6u, 0u));
}

// Shrinking the scroll range moves the box: the listing runs from the box's
// new place inside drawcast, then again from scan 1.
TEST(Drawcast, ScrollRangeChangeListsInsideTheDrawing) {
    OneCast f({{1, 3}, {2, 4}, {3, 5}});
    f.d.ncol = 5;
    f.lister.scroll.Max(20);
    f.lister.scroll.Min(1);
    f.lister.scroll.Value(10);
    std::vector<int> nested;
    f.lister.scroll.on_change = [&, list = f.lister.scroll.on_change] {
        nested.push_back(f.lister.scroll.Value());
        list();
    };
    f.lister.list.clear();
    drawcast(f.viewer, 1);
    EXPECT_EQ(nested, std::vector<int>{3});
    const auto texts = f.lister.list.texts();
    ASSERT_EQ(texts.size(), 4u);  // scan 3 alone, then scans 1 to 3
    EXPECT_EQ(texts[0], texts[3]);
    EXPECT_NE(texts[0], texts[1]);
}

// Before any load: the resize on first show draws the frame and cast 0.
TEST(FormResize, BeforeAnyLoad) {
    FakeViewer f;
    setup(f.viewer);
    quenvar::Form_Resize(f.viewer);
    EXPECT_EQ(f.quenvar.plot.calls().at(0).op, Op::Cls);
    EXPECT_EQ(f.quenvar.plot.of(Op::Line).size(), 4u * 21 + 40);  // the frame only
    EXPECT_EQ(f.quenvar.captions, std::vector<std::string>{""});
    EXPECT_EQ(f.info.order.size(), 6u);
}

TEST(FormKeyDown, StepsWithWrapAround) {
    struct Row {
        const char* name;
        int ncast, from, key, shift, to;
    };
    const Row rows[] = {
        {"right", 3, 1, 39, 0, 2},         {"right from the last cast", 3, 3, 39, 0, 1},
        {"left", 3, 2, 37, 0, 1},          {"left from cast 1", 3, 1, 37, 0, 3},
        {"shift ignored", 3, 2, 39, 1, 3}, {"before any load, right", 0, 0, 39, 0, 1},
        {"before any load, left", 0, 0, 37, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        setup(f.viewer);
        for (int c = 0; c <= 3; ++c) f.d.lon[c] = 60 + c;
        f.d.ncast = row.ncast, f.d.curcast = row.from;
        quenvar::Form_KeyDown(f.viewer, row.key, row.shift);
        EXPECT_EQ(f.d.curcast.value(), row.to);
        // The old marker reset (cast 0 has no erase: -0 draws), the new one filled.
        const auto marks = f.Stations.map.of(Op::Circle);
        ASSERT_EQ(marks.size(), 2u);
        EXPECT_EQ(std::pair(marks[0].a, marks[0].state.fill),
                  std::pair(60.0 + row.from, row.from == 0 ? QBColor(11) : f.Stations.map.BackColor()));
        EXPECT_EQ(std::pair(marks[1].a, marks[1].state.fill), std::pair(60.0 + row.to, QBColor(11)));
    }
    OneCast f;
    f.d.ncast = 3, f.d.curcast = 2;
    for (int key : {38, 40, 13, 32, 0}) quenvar::Form_KeyDown(f.viewer, key, 0);
    EXPECT_EQ(f.d.curcast.value(), 2) << "other keys do nothing";
    EXPECT_TRUE(f.Stations.map.calls().empty() && f.quenvar.plot.calls().empty());
}

// Callers pass curcast or -curcast; anything past the store draws nothing rather than throw.
TEST(Drawcast, CastOutsideTheStoreDrawsNothing) {
    OneCast f;
    for (int p : {kMaxCast + 1, -(kMaxCast + 1)}) EXPECT_NO_THROW(drawcast(f.viewer, p));
    f.d.curcast = kMaxCast + 1;
    EXPECT_NO_THROW(drawcast(f.viewer, kMaxCast + 1));
    EXPECT_NO_THROW(drawcast(f.viewer, -(kMaxCast + 1)));
    EXPECT_TRUE(f.Stations.map.calls().empty() && f.quenvar.plot.calls().empty());
}

}  // namespace

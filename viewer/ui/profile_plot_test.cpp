#include "ui/profile_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

struct Segment {
    double x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Segment& s) {
        return os << "(" << s.x1 << ", " << s.y1 << ")-(" << s.x2 << ", " << s.y2 << ")";
    }
};

std::vector<Segment> segments(const RecordingSurface& s) {
    std::vector<Segment> out;
    for (const auto& c : s.of(Op::Line)) out.push_back({c.a, c.b, c.c, c.d});
    return out;
}

// Puts scans of one variable (depth, value pairs) into cast c; every other
// variable stays unset, which maps left of every start-up axis.
void put_cast(CruiseData& d, int c, Var var, const std::vector<std::pair<double, double>>& scans) {
    d.npts[c] = double(scans.size());
    for (int k = 1; k <= int(scans.size()); ++k) {
        d.castdat(c, k, kDepth) = scans[k - 1].first;
        d.castdat(c, k, var) = scans[k - 1].second;
    }
}

class ProfilePlot : public ::testing::Test {
protected:
    ProfilePlot() { setup(f.viewer); }
    PlotSurface& plot() { return f.quenvar.plot; }
    FakeViewer f;
};

// Start-up limits and label texts: the edge cases of the profile axes.
TEST_F(ProfilePlot, FrameAtStartUp) {
    plot().ForeColor(rgb(1, 2, 3));
    drawaxes(f.viewer);
    const RecordingSurface& s = f.quenvar.plot;
    ASSERT_GE(s.calls().size(), 2u);
    EXPECT_EQ(s.calls()[0].op, Op::Cls);
    EXPECT_EQ(s.calls()[1].op, Op::Scale);
    EXPECT_EQ(s.calls()[1].state.back, QBColor(15));
    EXPECT_EQ(s.state().fore, rgb(1, 2, 3));

    struct Label {
        const char* name;
        double x, y;
        std::string text;
        Color color;
    };
    const Label want[] = {
        {"temperature title", 40, -38, "temperature", QBColor(1)}, {"temperature min", -9, -35, "2.0", QBColor(1)},
        {"temperature max", 102, -35, "22.0", QBColor(1)},         {"salinity title", 40, -30, " salinity  ", QBColor(3)},
        {"salinity min", -9, -27, "31.0", QBColor(3)},             {"salinity max", 102, -27, "36.0", QBColor(3)},
        {"fluorescence title", 40, -22, "fluoresence", QBColor(5)}, {"fluorescence min", -9, -19, "0.0", QBColor(5)},
        {"fluorescence max", 102, -19, "5.0", QBColor(5)},         {"sigma-t title", 40, -14, "  sigma-t  ", QBColor(4)},
        {"sigma-t min", -9, -11, "23.0", QBColor(4)},              {"sigma-t max", 102, -11, "28.0", QBColor(4)},
        {"depth min", -7, -2, "0.", QBColor(4)},                   {"depth max", -7, 98, "100.", QBColor(4)},
    };
    const auto prints = s.of(Op::Print);
    ASSERT_EQ(prints.size(), std::size(want));
    for (std::size_t i = 0; i < prints.size(); ++i) {
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(prints[i].a, want[i].x);
        EXPECT_EQ(prints[i].b, want[i].y);
        EXPECT_EQ(prints[i].text, want[i].text);
        EXPECT_EQ(prints[i].state.fore, want[i].color);
    }

    // Ten segments and ten ticks per axis plus the start tick; the depth frame
    // (top and left edges) in the last axis colour.
    int per_color[16] = {};
    for (const auto& c : s.of(Op::Line))
        for (int n = 0; n < 16; ++n)
            if (c.state.fore == QBColor(n)) ++per_color[n];
    EXPECT_EQ(per_color[1], 21);
    EXPECT_EQ(per_color[3], 21);
    EXPECT_EQ(per_color[5], 21);
    EXPECT_EQ(per_color[4], 21 + 40);
    const auto lines = segments(s);
    for (const Segment& piece : {Segment{0, -32, 0, -30}, Segment{100, -8, 100, -6}, Segment{0, 100, 2, 100}})
        EXPECT_NE(std::find(lines.begin(), lines.end(), piece), lines.end()) << piece;
}

TEST_F(ProfilePlot, LimitLabelsAfterALimitsChange) {
    f.d.axlim(kTemp, 1) = 4.25;
    f.d.axlim(kTemp, 2) = 4.256;
    f.d.axlim(kSalt, 1) = 4;
    f.d.axlim(kDepth, 2) = 250;
    drawaxes(f.viewer);
    const auto texts = f.quenvar.plot.texts();
    ASSERT_EQ(texts.size(), 14u);
    EXPECT_EQ(texts[1], "4.25");
    EXPECT_EQ(texts[2], "4.26");
    EXPECT_EQ(texts[4], "4.0");
    EXPECT_EQ(texts[13], "250.");
}

// Temperature profiles against the start-up limits: depth 0..100 gives y =
// depth, temperature 2..22 gives x = 5 (t - 2).
TEST_F(ProfilePlot, SegmentsNeedBothEndsStrictlyInside) {
    struct Row {
        const char* name;
        std::vector<std::pair<double, double>> scans;
        std::vector<Segment> want;
    };
    const Row rows[] = {
        {"starts at the surface: depths at or above 1 are outside",
         {{0, 12}, {1, 12}, {2, 12}, {3, 14}},
         {{50, 2, 60, 3}}},
        {"leaves on the right and returns: no segment touches the outside point",
         {{10, 12}, {20, 20}, {30, 24}, {40, 20}, {50, 12}},
         {{50, 10, 50, 10}, {50, 10, 90, 20}, {90, 40, 50, 50}}},
        {"x of exactly 100 is outside", {{10, 22}, {20, 12}, {30, 12}}, {{50, 20, 50, 30}}},
        {"x of 1 is outside", {{10, 12}, {20, 2.2}, {30, 12}, {40, 12}}, {{50, 10, 50, 10}, {50, 30, 50, 40}}},
        {"a gap of several points", {{10, 12}, {20, 30}, {30, 30}, {40, 12}, {50, 12}},
         {{50, 10, 50, 10}, {50, 40, 50, 50}}},
        {"one scan inside draws its point", {{10, 12}}, {{50, 10, 50, 10}}},
        {"one scan outside draws nothing", {{0.5, 12}}, {}},
        {"below the depth axis", {{99, 12}, {100, 12}, {120, 12}}, {{50, 99, 50, 99}}},
        // 1 + 1e-9 plot units rounds to 1 as a float, the coordinate drawn.
        {"inside by less than a float step is outside", {{1 + 1e-9, 12}, {10, 12}, {20, 12}}, {{50, 10, 50, 20}}},
        {"empty cast", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer g;
        setup(g.viewer);
        put_cast(g.d, 1, kTemp, row.scans);
        g.d.curcast = 1;
        g.d.ncast = 1;
        drawcast(g.viewer, 1);
        EXPECT_EQ(segments(g.quenvar.plot), row.want);
        for (const auto& c : g.quenvar.plot.of(Op::Line)) EXPECT_EQ(c.state.fore, QBColor(1));
    }
}

// Stores are never cleared: a cast of no scans may still hold scan 1 of an
// earlier, longer cruise, which is not part of it.
TEST_F(ProfilePlot, EmptyCastIgnoresStaleFirstScan) {
    put_cast(f.d, 1, kTemp, {{10, 12}, {20, 12}});
    f.d.npts[1] = 0;
    f.d.curcast = 1;
    drawcast(f.viewer, 1);
    EXPECT_TRUE(f.quenvar.plot.of(Op::Line).empty());
    EXPECT_EQ(f.lister.scroll.Max(), 0);
}

TEST_F(ProfilePlot, DrawMarksTitlesAndRefreshesInfoAndListing) {
    put_cast(f.d, 2, kTemp, {{50, 12}, {60, 12}, {70, 12}});
    f.d.castdat(2, 1, kSalt) = 33.5;  // x = 50
    f.d.castdat(2, 1, kFluor) = 1;    // x = 20
    f.d.castdat(2, 1, kSigma) = 27;   // x = 80
    f.d.castdat(2, 1, kTrans) = 2.5;  // no axis on the screen
    f.d.castfile[2] = "/cruise/c2.PRE";
    f.d.lon[2] = 70.5;
    f.d.lat[2] = 41.25;
    f.d.ncol = 5;
    f.d.curcast = 2;
    f.lister.scroll.Min(1);  // the box already at scan 1: no listing from the range change
    f.lister.list.clear();
    drawcast(f.viewer, 2);

    const auto lines = f.quenvar.plot.of(Op::Line);
    ASSERT_EQ(lines.size(), 6u);  // temperature: point and two segments; one point each other
    const double want_x[] = {50, 50, 50, 50, 20, 80};
    const Color want_color[] = {QBColor(1), QBColor(1), QBColor(1), QBColor(3), QBColor(5), QBColor(4)};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[i].a, want_x[i]);
        EXPECT_EQ(lines[i].state.fore, want_color[i]);
    }
    const auto marks = f.Stations.map.of(Op::Circle);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].a, 70.5);
    EXPECT_EQ(marks[0].b, 41.25);
    EXPECT_EQ(marks[0].c, 0.08);
    EXPECT_EQ(marks[0].state.fore, QBColor(4));
    EXPECT_EQ(marks[0].state.fill, QBColor(11));
    EXPECT_EQ(f.Stations.map.state().fore, 0u);
    EXPECT_EQ(f.quenvar.captions, std::vector<std::string>{"/cruise/c2.PRE"});
    EXPECT_EQ(f.info.order.size(), 6u);
    EXPECT_EQ(f.lister.scroll.Min(), 1);
    EXPECT_EQ(f.lister.scroll.Max(), 3);
    EXPECT_EQ(f.lister.list.texts().size(), 3u);
}

TEST_F(ProfilePlot, EraseRedrawsTheSameSegmentsInTheBackground) {
    put_cast(f.d, 1, kTemp, {{5, 12}, {10, 12}, {20, 30}, {30, 14}, {40, 14}, {50, 16}});
    f.d.castdat(1, 5, kSigma) = 25;
    f.d.castdat(1, 6, kSigma) = 26;
    f.d.curcast = 1;
    quenvar::Form_Resize(f.viewer);
    f.quenvar.plot.clear();
    drawcast(f.viewer, 1);
    const auto drawn = segments(f.quenvar.plot);
    ASSERT_EQ(drawn.size(), 5u);

    f.quenvar.plot.clear();
    f.Stations.map.clear();
    const auto captions = f.quenvar.captions.size();
    const auto info_writes = f.info.order.size();
    const auto rows = f.lister.list.calls().size();
    drawcast(f.viewer, -1);
    EXPECT_EQ(segments(f.quenvar.plot), drawn);
    for (const auto& c : f.quenvar.plot.of(Op::Line)) EXPECT_EQ(c.state.fore, QBColor(15));
    const auto marks = f.Stations.map.of(Op::Circle);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].state.fill, f.Stations.map.BackColor());
    EXPECT_EQ(marks[0].state.fore, QBColor(4));
    EXPECT_EQ(f.quenvar.captions.size(), captions);
    EXPECT_EQ(f.info.order.size(), info_writes);
    EXPECT_EQ(f.lister.list.calls().size(), rows);
}

// Shrinking the scroll range moves the box: the listing runs from the box's
// new place inside drawcast, then again from scan 1.
TEST_F(ProfilePlot, ScrollRangeChangeListsInsideTheDrawing) {
    put_cast(f.d, 1, kTemp, {{1, 3}, {2, 4}, {3, 5}});
    f.d.ncol = 5;
    f.d.curcast = 1;
    f.lister.scroll.Max(20);
    f.lister.scroll.Min(1);
    f.lister.scroll.Value(10);
    std::vector<int> nested;
    const auto list = f.lister.scroll.on_change;
    f.lister.scroll.on_change = [&] {
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
TEST_F(ProfilePlot, ResizeBeforeAnyLoad) {
    quenvar::Form_Resize(f.viewer);
    const auto& calls = f.quenvar.plot.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, Op::Cls);
    EXPECT_EQ(calls[1].op, Op::Scale);
    EXPECT_EQ((Segment{calls[1].a, calls[1].b, calls[1].c, calls[1].d}), (Segment{-10, -40, 110, 110}));
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
        {"right", 3, 1, 39, 0, 2},
        {"right from the last cast", 3, 3, 39, 0, 1},
        {"left", 3, 2, 37, 0, 1},
        {"left from cast 1", 3, 1, 37, 0, 3},
        {"shift ignored", 3, 2, 39, 1, 3},
        {"before any load, right", 0, 0, 39, 0, 1},
        {"before any load, left", 0, 0, 37, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        setup(f.viewer);
        for (int c = 0; c <= 3; ++c) f.d.lon[c] = 60 + c;
        f.d.ncast = row.ncast;
        f.d.curcast = row.from;
        quenvar::Form_KeyDown(f.viewer, row.key, row.shift);
        EXPECT_EQ(f.d.curcast.value(), row.to);
        const auto marks = f.Stations.map.of(Op::Circle);
        ASSERT_EQ(marks.size(), 2u);
        // Cast 0 has no erase: -0 draws.
        EXPECT_EQ(marks[0].a, 60 + row.from);
        EXPECT_EQ(marks[0].state.fill, row.from == 0 ? QBColor(11) : f.Stations.map.BackColor());
        EXPECT_EQ(marks[1].a, 60 + row.to);
        EXPECT_EQ(marks[1].state.fill, QBColor(11));
    }
}

TEST(FormKeyDown, OtherKeysDoNothing) {
    FakeViewer f;
    setup(f.viewer);
    f.d.ncast = 3;
    f.d.curcast = 2;
    for (int key : {38, 40, 13, 32, 0}) {
        SCOPED_TRACE(key);
        quenvar::Form_KeyDown(f.viewer, key, 0);
        EXPECT_EQ(f.d.curcast.value(), 2);
        EXPECT_TRUE(f.Stations.map.calls().empty());
        EXPECT_TRUE(f.quenvar.plot.calls().empty());
    }
}

TEST(Drawcast, CastOutsideTheStoreDrawsNothing) {
    FakeViewer f;
    setup(f.viewer);
    f.d.curcast = kMaxCast + 1;
    EXPECT_NO_THROW(drawcast(f.viewer, kMaxCast + 1));
    EXPECT_NO_THROW(drawcast(f.viewer, -(kMaxCast + 1)));
    f.d.curcast = 1;
    EXPECT_NO_THROW(drawcast(f.viewer, -(kMaxCast + 1)));
    EXPECT_TRUE(f.Stations.map.calls().empty());
    EXPECT_TRUE(f.quenvar.plot.calls().empty());
}

}  // namespace

#include "ui/station_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "testing/fake_windows.h"
#include "ui/profile_plot.h"

namespace fs = std::filesystem;

namespace {

using Op = RecordingSurface::Op;
constexpr Color kRed = QBColor(4);
constexpr Color kCyan = QBColor(11);
constexpr Color kWhite = rgb(255, 255, 255);  // the fake map's BackColor

struct Pos {
    double lon, lat;  // degrees west, north
};

// A viewer after start-up with a cruise of the given positions loaded and a
// two-segment coastline file.
class StationMap : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("stamap_") + info->name() + "_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        coast_ = (dir_ / "brscale2.bln").string();
        std::ofstream(coast_) << "3\n-70.5,41.5\n-70,41.6\n-69.9,42\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void load(FakeViewer& f, const std::vector<Pos>& casts, int current = 1) {
        setup(f.viewer);
        f.d.ncast = static_cast<double>(casts.size());
        for (int i = 1; i <= static_cast<int>(casts.size()); ++i) {
            f.d.lon[i] = casts[i - 1].lon;
            f.d.lat[i] = casts[i - 1].lat;
            f.d.npts[i] = 0;
        }
        f.d.curcast = current;
    }

    static std::vector<RecordingSurface::Call> circles(const FakeViewer& f) {
        return f.Stations.map.of(Op::Circle);
    }

    fs::path dir_;
    std::string coast_;
};

TEST_F(StationMap, DrawsFrameMarkersThenCoastline) {
    FakeViewer f({coast_, "", ""});
    load(f, {{70.5, 41.25}, {69, 40.5}, {70.5, 41.25}});
    const Color text = f.Stations.map.ForeColor();
    f.Stations.visible = false;  // hidden at start-up, or closed by the user

    const CoastResult r = stamap(f.viewer);

    EXPECT_TRUE(r.ok()) << r.message();
    EXPECT_TRUE(f.Stations.visible);
    const auto& calls = f.Stations.map.calls();
    ASSERT_EQ(calls.size(), 1u + 3 + 2);  // Scale, three markers, two coast segments
    EXPECT_TRUE(calls[0].op == Op::Scale && calls[0].a == 71 && calls[0].b == 42.5 && calls[0].c == 65.5 &&
                calls[0].d == 40);
    // Markers in index order: red outline, background interior, radius stnrad
    // (0.08 at start-up). The third repeats the first's position over it.
    const Pos expect[] = {{70.5, 41.25}, {69, 40.5}, {70.5, 41.25}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const auto& c = calls[1 + i];
        EXPECT_TRUE(c.op == Op::Circle && c.a == expect[i].lon && c.b == expect[i].lat && c.c == 0.08);
        EXPECT_TRUE(c.state.fore == kRed && c.state.fill == kWhite && c.state.fill_style == kFillSolid);
    }
    // The coastline last, over the markers, in the window's text colour.
    for (int k = 4; k < 6; ++k) EXPECT_TRUE(calls[k].op == Op::Line && calls[k].state.fore == text);
    EXPECT_EQ(calls[4].a, 70.5);
    EXPECT_EQ(f.Stations.map.ForeColor(), text);
}

TEST_F(StationMap, NoCastsStillDrawsCoastline) {
    FakeViewer f({coast_, "", ""});
    load(f, {}, 0);
    stamap(f.viewer);
    EXPECT_TRUE(circles(f).empty());
    EXPECT_EQ(f.Stations.map.of(Op::Line).size(), 2u);
}

// Outer height follows 0.64 of the outer width at every stamap.
TEST_F(StationMap, HeightRule) {
    struct Row {
        const char* name;
        double width, height;
    };
    const Row rows[] = {{"fake default width", 4575, 2928}, {"narrowed", 3000, 1920}, {"widened", 9000, 5760}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f({coast_, "", ""});
        load(f, {{70, 41}});
        f.Stations.width = row.width;
        stamap(f.viewer);
        EXPECT_DOUBLE_EQ(f.Stations.height, row.height);
    }
}

// A coastline fault leaves the markers, reports the file once per call and
// shows nothing of its own, so repeated redraws raise no repeated message.
TEST_F(StationMap, CoastFaultKeepsMarkersAndShowsNothing) {
    const std::string broken = (dir_ / "broken.bln").string();
    std::ofstream(broken) << "2\n-70.5,41.5\n-70,41.6\n3\n-69,41\n";
    for (const std::string& path : {broken, (dir_ / "absent.bln").string()}) {
        SCOPED_TRACE(path);
        FakeViewer f({path, "", ""});
        load(f, {{70.5, 41.25}, {69, 40.5}});
        const CoastResult r = stamap(f.viewer);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.file, path);
        EXPECT_EQ(circles(f).size(), 2u);
        for (int k = 0; k < 3; ++k) EXPECT_FALSE(Stations::Form_Resize(f.viewer).ok());
        EXPECT_TRUE(f.alerts.shown.empty());
        EXPECT_TRUE(f.quenvar.statuses.empty());
    }
}

TEST_F(StationMap, ResizeWithoutCruiseDrawsNothing) {
    FakeViewer f({coast_, "", ""});
    setup(f.viewer);
    f.Stations.map.clear();
    f.quenvar.plot.clear();
    EXPECT_TRUE(Stations::Form_Resize(f.viewer).ok());
    EXPECT_TRUE(f.Stations.map.calls().empty());
    EXPECT_TRUE(f.quenvar.plot.calls().empty());
    EXPECT_FALSE(f.Stations.visible);
    EXPECT_EQ(f.Stations.height, 2700);
}

TEST_F(StationMap, ResizeRedrawsMapFrameAndCurrentCast) {
    FakeViewer f({coast_, "", ""});
    load(f, {{70.5, 41.25}, {69, 40.5}}, 2);
    Stations::Form_Resize(f.viewer);

    const auto& calls = f.Stations.map.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().op, Op::Cls);
    // stamap's two plain markers, then drawcast fills the current one.
    const auto c = circles(f);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[2].a, 69);
    EXPECT_EQ(c[2].state.fill, kCyan);
    EXPECT_EQ(calls.back().op, Op::Circle);
    // drawaxes cleared the main window before the cast was drawn.
    ASSERT_FALSE(f.quenvar.plot.calls().empty());
    EXPECT_EQ(f.quenvar.plot.calls().front().op, Op::Cls);
}

// Hit box: |x - lon| < 0.05 and |y - lat| < 0.05, strict. Presses at a
// decimal 0.05 are made as station +/- 0.05 in double: their difference from
// the station comes out 0.0499999999999972, just below the double 0.05, so a
// bare strict comparison would pick them.
TEST_F(StationMap, PickBox) {
    const Pos st{70.5, 41.25};
    struct Row {
        const char* name;
        double x, y;
        bool picks;
    };
    const double r = 0.05;
    const Row rows[] = {
        {"centre", st.lon, st.lat, true},
        {"0.049 west and north", st.lon + 0.049, st.lat - 0.049, true},
        {"0.049 east and south", st.lon - 0.049, st.lat + 0.049, true},
        {"exactly 0.05 west", st.lon + r, st.lat, false},
        {"exactly 0.05 east", st.lon - r, st.lat, false},
        {"exactly 0.05 north", st.lon, st.lat - r, false},
        {"exactly 0.05 south", st.lon, st.lat + r, false},
        {"inside in x, 0.05 in y", st.lon + 0.01, st.lat + r, false},
        {"corner, 0.049 on both axes", st.lon + 0.049, st.lat + 0.049, true},
        {"0.051 west", st.lon + 0.051, st.lat, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f({coast_, "", ""});
        load(f, {{69, 40.5}, st});  // cast 2 is the target, cast 1 current
        Stations::Form_MouseDown(f.viewer, 1, 0, row.x, row.y);
        EXPECT_EQ(static_cast<int>(f.d.curcast), row.picks ? 2 : 1);
    }
}

// The old marker is reset to the background interior, then the new one
// filled; any button and modifier picks; the current cast is redrawn in place.
TEST_F(StationMap, PickErasesOldAndDrawsNew) {
    struct Row {
        const char* name;
        int button, shift, current;
        double x, y;
        int picked;
    };
    const Row rows[] = {
        {"left button", 1, 0, 1, 69.01, 40.49, 2},
        {"right button with shift", 2, 1, 1, 69.01, 40.49, 2},
        {"middle button", 4, 0, 1, 69.01, 40.49, 2},
        {"press on the current cast", 1, 0, 2, 69, 40.5, 2},
    };
    const Pos casts[] = {{70.5, 41.25}, {69, 40.5}, {68, 41}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f({coast_, "", ""});
        load(f, {casts[0], casts[1], casts[2]}, row.current);
        Stations::Form_MouseDown(f.viewer, row.button, row.shift, row.x, row.y);
        EXPECT_EQ(static_cast<int>(f.d.curcast), row.picked);
        const auto c = circles(f);
        ASSERT_EQ(c.size(), 2u);
        EXPECT_EQ(c[0].a, casts[row.current - 1].lon);
        EXPECT_EQ(c[0].state.fill, kWhite);
        EXPECT_EQ(c[1].a, casts[row.picked - 1].lon);
        EXPECT_EQ(c[1].state.fill, kCyan);
    }
}

// Two casts 0.03 degrees apart; the press is nearer cast 3 but inside both
// boxes, and the lower index wins.
TEST_F(StationMap, OverlappingBoxesLowestIndexWins) {
    FakeViewer f({coast_, "", ""});
    load(f, {{68, 41}, {70.0, 41.0}, {70.03, 41.0}});
    Stations::Form_MouseDown(f.viewer, 1, 0, 70.025, 41.0);
    EXPECT_EQ(static_cast<int>(f.d.curcast), 2);
}

TEST_F(StationMap, MissChangesNothing) {
    FakeViewer f({coast_, "", ""});
    load(f, {{70.5, 41.25}, {69, 40.5}}, 2);
    Stations::Form_MouseDown(f.viewer, 1, 0, 67.5, 41.7);
    EXPECT_EQ(static_cast<int>(f.d.curcast), 2);
    EXPECT_TRUE(f.Stations.map.calls().empty());
    EXPECT_TRUE(f.quenvar.plot.calls().empty());
    EXPECT_TRUE(f.quenvar.captions.empty());
}

TEST_F(StationMap, KeysContinueFromPickedCast) {
    FakeViewer f({coast_, "", ""});
    load(f, {{70.5, 41.25}, {70, 41}, {69.5, 40.75}, {69, 40.5}, {68.5, 40.25}});
    Stations::Form_MouseDown(f.viewer, 1, 0, 69.5, 40.75);
    ASSERT_EQ(static_cast<int>(f.d.curcast), 3);
    quenvar::Form_KeyDown(f.viewer, 39, 0);  // right arrow
    EXPECT_EQ(static_cast<int>(f.d.curcast), 4);
    Stations::Form_MouseDown(f.viewer, 1, 0, 70.5, 41.25);
    quenvar::Form_KeyDown(f.viewer, 37, 0);  // left arrow from cast 1 wraps
    EXPECT_EQ(static_cast<int>(f.d.curcast), 5);
}

}  // namespace

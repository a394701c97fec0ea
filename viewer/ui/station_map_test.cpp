#include "ui/station_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;
constexpr Color kCyan = QBColor(11);
constexpr Color kWhite = rgb(255, 255, 255);  // the fake map's BackColor

struct Pos {
    double lon, lat;  // degrees west, north
};

// A two-segment screen coastline, shared by the tests.
std::string coast_file() {
    static const std::string path = [] {
        const auto p = std::filesystem::path(::testing::TempDir()) / "stamap_brscale2.bln";
        std::ofstream(p) << "3\n-70.5,41.5\n-70,41.6\n-69.9,42\n";
        return p.string();
    }();
    return path;
}

// A started viewer with a cruise of the given positions loaded, showing cast `current`.
struct Cruise : FakeViewer {
    explicit Cruise(const std::vector<Pos>& casts, int current = 1, std::string coast = coast_file())
        : FakeViewer({std::move(coast), "", ""}) {
        setup(viewer);
        d.ncast = double(casts.size());
        for (int i = 1; i <= int(casts.size()); ++i) d.lon[i] = casts[i - 1].lon, d.lat[i] = casts[i - 1].lat;
        d.curcast = current;
    }
    std::vector<RecordingSurface::Call> circles() const { return Stations.map.of(Op::Circle); }
    void press(double x, double y, int button = 1, int shift = 0) {
        Stations::Form_MouseDown(viewer, button, shift, x, y);
    }
};

TEST(Stamap, DrawsFrameMarkersThenCoastline) {
    const std::vector<Pos> casts{{70.5, 41.25}, {69, 40.5}, {70.5, 41.25}, {68, 41}};
    Cruise f(casts);
    const Color text = f.Stations.map.ForeColor();
    const CoastResult r = stamap(f.viewer);
    EXPECT_TRUE(r.ok()) << r.message();
    EXPECT_TRUE(f.Stations.visible);
    const auto& calls = f.Stations.map.calls();
    ASSERT_EQ(calls.size(), 1u + 4 + 2);  // Scale, four markers, two coast segments
    EXPECT_EQ(std::tuple(calls[0].op, calls[0].a, calls[0].b, calls[0].c, calls[0].d),
              std::tuple(Op::Scale, 71, 42.5, 65.5, 40));
    // Markers in index order: red outline, background interior, radius stnrad
    // (0.08 at start-up). The third repeats the first's position over it.
    for (int i = 0; i < 4; ++i) {
        const auto& c = calls[1 + i];
        EXPECT_EQ(std::tuple(c.op, c.a, c.b, c.c), std::tuple(Op::Circle, casts[i].lon, casts[i].lat, 0.08)) << i;
        EXPECT_EQ(std::tuple(c.state.fore, c.state.fill, c.state.fill_style),
                  std::tuple(QBColor(4), kWhite, kFillSolid));
    }
    // The coastline last, over the markers, in the window's text colour.
    for (int k = 5; k < 7; ++k) EXPECT_TRUE(calls[k].op == Op::Line && calls[k].state.fore == text);
    EXPECT_EQ(calls[5].a, 70.5);
    EXPECT_EQ(f.Stations.map.ForeColor(), text);
    EXPECT_DOUBLE_EQ(f.Stations.height, 4575 * 0.64) << "outer height 0.64 of the outer width";
}

// A coastline fault leaves the markers and reports the file at every redraw;
// the map itself shows nothing (the load tells it once).
TEST(Stamap, CoastFaultKeepsMarkersAndShowsNothing) {
    const std::string absent = (std::filesystem::path(::testing::TempDir()) / "absent.bln").string();
    Cruise f({{70.5, 41.25}, {69, 40.5}}, 1, absent);
    const CoastResult r = stamap(f.viewer);
    EXPECT_EQ(std::pair(r.ok(), r.file), std::pair(false, absent));
    EXPECT_EQ(f.circles().size(), 2u);
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(Stations::Form_Resize(f.viewer).ok());
    EXPECT_TRUE(f.alerts.shown.empty() && f.quenvar.statuses.empty());
}

TEST(StationsResize, RedrawsMapFrameAndCurrentCastOnlyWithACruise) {
    Cruise none({}, 0);
    none.Stations.map.clear(), none.quenvar.plot.clear();
    none.d.curcast.reset();
    EXPECT_TRUE(Stations::Form_Resize(none.viewer).ok());
    EXPECT_TRUE(none.Stations.map.calls().empty() && none.quenvar.plot.calls().empty());
    EXPECT_FALSE(none.Stations.visible);
    EXPECT_EQ(none.Stations.height, 2700);

    Cruise f({{70.5, 41.25}, {69, 40.5}}, 2);
    EXPECT_TRUE(Stations::Form_Resize(f.viewer).ok());
    EXPECT_EQ(f.Stations.map.calls().front().op, Op::Cls);
    // stamap's two plain markers, then drawcast fills the current one last.
    const auto c = f.circles();
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(std::pair(c[2].a, c[2].state.fill), std::pair(69.0, kCyan));
    EXPECT_EQ(f.Stations.map.calls().back().op, Op::Circle);
    EXPECT_EQ(f.quenvar.plot.calls().front().op, Op::Cls) << "drawaxes cleared the main window";
}

// Hit box: |x - lon| < 0.05 and |y - lat| < 0.05, strict. Presses at a decimal
// 0.05 are made as station +/- 0.05 in double: their difference from the station
// comes out 0.0499999999999972, just below the double 0.05, so a bare strict
// comparison would pick them.
TEST(StationsMouseDown, PickBox) {
    const Pos st{70.5, 41.25};
    struct Row {
        const char* name;
        double dx, dy;  // from the station
        bool picks;
    };
    const Row rows[] = {
        {"0.049 west and north", 0.049, -0.049, true}, {"0.049 east and south", -0.049, 0.049, true},
        {"0.05 west", 0.05, 0, false},                 {"0.05 east", -0.05, 0, false},
        {"0.05 north", 0, -0.05, false},               {"0.05 south", 0, 0.05, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise f({{69, 40.5}, st});  // cast 2 is the target, cast 1 current
        f.press(st.lon + row.dx, st.lat + row.dy);
        EXPECT_EQ(int(f.d.curcast), row.picks ? 2 : 1);
    }
}

// The old marker is reset to the background interior, then the new one filled;
// any button and modifier picks; the current cast is redrawn in place; with
// overlapping boxes the lowest index wins; a miss changes nothing.
TEST(StationsMouseDown, PickErasesOldAndDrawsNew) {
    struct Row {
        const char* name;
        int button, shift, current;
        double x, y;
        int picked;  // 0: no pick
    };
    const Row rows[] = {
        {"left button", 1, 0, 1, 69.01, 40.49, 2},
        {"right button with shift", 2, 1, 1, 69.01, 40.49, 2},
        {"press on the current cast", 4, 0, 2, 69, 40.5, 2},
        {"two casts 0.03 apart, the press nearer cast 4: the lower index", 1, 0, 1, 70.025, 41, 3},
        {"a miss", 1, 0, 2, 67.5, 41.7, 0},
    };
    const std::vector<Pos> casts{{70.5, 41.25}, {69, 40.5}, {70.0, 41.0}, {70.03, 41.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise f(casts, row.current);
        f.press(row.x, row.y, row.button, row.shift);
        EXPECT_EQ(int(f.d.curcast), row.picked ? row.picked : row.current);
        const auto c = f.circles();
        if (!row.picked) {
            EXPECT_TRUE(c.empty() && f.quenvar.plot.calls().empty() && f.quenvar.captions.empty());
            continue;
        }
        ASSERT_EQ(c.size(), 2u);
        EXPECT_EQ(std::pair(c[0].a, c[0].state.fill), std::pair(casts[row.current - 1].lon, kWhite));
        EXPECT_EQ(std::pair(c[1].a, c[1].state.fill), std::pair(casts[row.picked - 1].lon, kCyan));
    }
}

}  // namespace

#include "ui/station_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "plot/map_frame.h"
#include "testing/fake_windows.h"
#include "testing/scratch_folder.h"

namespace {

using Op = RecordingSurface::Op;
constexpr Color kCyan = QBColor(11);
constexpr Color kWhite = rgb(255, 255, 255);  // the fake map's BackColor

using Pos = UserPoint;  // on the map: x degrees west, y degrees north

const ScratchFolder& scratch() {
    static const ScratchFolder folder;
    return folder;
}

// A viewer with a cruise of the given positions loaded, showing cast `current`,
// and a two-segment screen coastline.
struct Cruise : FakeViewer {
    explicit Cruise(const std::vector<Pos>& casts, int current = 1,
                    const std::string& coast = scratch().write("c.bln", "3\n-70.5,41.5\n-70,41.6\n-69.9,42\n"))
        : FakeViewer({coast, "", ""}) {
        d.ncast = double(casts.size()), d.curcast = current;
        for (int i = 1; i <= int(casts.size()); ++i) d.lon[i] = casts[i - 1].x, d.lat[i] = casts[i - 1].y;
    }
    std::vector<RecordingSurface::Call> circles() const { return Stations.map.of(Op::Circle); }
};

// A resize redraws map and frame, then fills the current marker; a coastline
// fault is reported, not told (the load tells it once). In the fixed frame the
// markers are red, of radius stnrad, and give the text colour back for the
// coastline. No cruise: no drawing.
TEST(StationsResize, RedrawsAndFillsTheCurrentCastOrDrawsNothing) {
    Cruise f({{70.5, 41.25}, {69, 40.5}}, 2, scratch().path("absent.bln"));
    EXPECT_EQ(stamap(f.viewer).file, scratch().path("absent.bln"));
    EXPECT_EQ(std::pair(f.Stations.visible, f.Stations.height), std::pair(true, 4575 * 0.64));
    f.Stations.map.clear();
    EXPECT_FALSE(Stations::Form_Resize(f.viewer).ok());
    const auto& calls = f.Stations.map.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(
        std::tuple(calls.front().op, calls.back().op, calls.back().a, calls.back().state.fill, f.circles().size()),
        std::tuple(Op::Cls, Op::Circle, 69.0, kCyan, 3u));
    const auto scale = f.Stations.map.of(Op::Scale).at(0), marker = f.circles().at(0);
    EXPECT_EQ(std::tuple(scale.a, scale.b, scale.c, scale.d), std::tuple(71.0, 42.5, 65.5, 40.0));
    EXPECT_EQ(std::tuple(marker.c, marker.state.fore, marker.state.fill, f.Stations.map.ForeColor()),
              std::tuple(0.08, QBColor(4), kWhite, Color{0}));
    EXPECT_TRUE(f.quenvar.plot.calls().front().op == Op::Cls && f.alerts.shown.empty() && f.quenvar.statuses.empty());
    Cruise none({}, 0);
    none.d.curcast.reset();
    EXPECT_TRUE(Stations::Form_Resize(none.viewer).ok());
    EXPECT_TRUE(none.Stations.map.calls().empty() && none.quenvar.plot.calls().empty() && !none.Stations.visible);
}

// Hit box |x - lon| < 0.05 and |y - lat| < 0.05, strict, lowest index first;
// a press a decimal 0.05 away misses though its double difference is just
// below 0.05. A pick resets the old marker, then fills the new; any button
// and modifier picks; a miss changes nothing.
TEST(StationsMouseDown, PicksTheLowestIndexWhoseBoxHoldsThePress) {
    // clang-format off
    struct Row { const char* name; int button, shift, current; double x, y; int picked; };  // picked 0: none
    const Row rows[] = {
        {"0.049 west and south", 1, 0, 1, 70.5 + 0.049, 41.25 - 0.049, 2},
        {"0.049 east and north, right button with shift", 2, 1, 1, 70.5 - 0.049, 41.25 + 0.049, 2},
        {"0.05 west", 1, 0, 1, 70.5 + 0.05, 41.25, 0},
        {"0.05 north", 1, 0, 1, 70.5, 41.25 + 0.05, 0},
        {"the current cast is drawn again", 4, 0, 2, 70.5, 41.25, 2},
        {"casts 0.03 apart, the press nearer cast 4", 1, 0, 1, 70.025, 41, 3},
        {"a miss", 1, 0, 2, 67.5, 41.7, 0},
    };  // clang-format on
    const std::vector<Pos> casts{{69, 40.5}, {70.5, 41.25}, {70.0, 41.0}, {70.03, 41.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise f(casts, row.current);
        Stations::Form_MouseDown(f.viewer, row.button, row.shift, row.x, row.y);
        EXPECT_EQ(int(f.d.curcast), row.picked ? row.picked : row.current);
        using Marks = std::vector<std::pair<double, Color>>;
        Marks marks;
        for (const auto& c : f.circles()) marks.emplace_back(c.a, c.state.fill);
        const Marks picked{{casts[row.current - 1].x, kWhite}, {casts[std::max(row.picked, 1) - 1].x, kCyan}};
        EXPECT_EQ(marks, row.picked ? picked : Marks{});
        EXPECT_EQ(f.quenvar.captions.empty(), !row.picked);
    }
}

// Off Plymouth the map fits the stations and its pick box shrinks with the
// frame: a press 0.01 degrees from a station, inside the fixed frame's box,
// misses; one a third of the scaled box away picks.
TEST(StationsMouseDown, PickBoxScalesWithAFittedFrame) {
    const std::vector<Pos> casts{{4.10, 50.30}, {4.20, 50.36}};
    Cruise f(casts, 1);
    f.d.castfile[1] = "a.cnv", f.d.castfile[2] = "b.cnv";  // filled by a load
    const MapFrame frame = map_frame(f.d);
    ASSERT_TRUE(frame.fitted);
    ASSERT_LT(frame.scale(), 0.1);
    Stations::Form_MouseDown(f.viewer, 1, 0, 4.20 + 0.01, 50.36);
    EXPECT_EQ(int(f.d.curcast), 1);
    Stations::Form_MouseDown(f.viewer, 1, 0, 4.20 - pickradius * frame.scale() / 3, 50.36);
    EXPECT_EQ(int(f.d.curcast), 2);
}

}  // namespace

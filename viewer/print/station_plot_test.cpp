#include "print/station_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "surface/recording_surface.h"
#include "testing/scratch_folder.h"

namespace {

using Op = RecordingSurface::Op;
using Quad = std::array<double, 4>;
Quad coords(const RecordingSurface::Call& c) { return {c.a, c.b, c.c, c.d}; }

// A store of the given casts (filled or not) and a printed coastline of one
// segment, 70.5 W 41 N to 70 W 41.5 N.
struct StationPlot : ::testing::Test {
    ScratchFolder folder;  // its own, as tests run side by side
    std::string coast = folder.write("print_coast.bln", "2\n-70.5,41\n-70,41.5\n");
    CruiseData d;
    RecordingSurface page;

    StationPlot() { set_start_values(d); }
    void add_cast(int i, const char* castno, double lon, double lat) {
        d.castno[i] = castno;
        d.castfile[i] = "/cruise/" + std::string(castno) + ".PRE";
        d.lon[i] = lon, d.lat[i] = lat, d.ncast = i;
    }
    CoastResult draw(bool withtrack) { return draw_station_plot(page, d, coast, "", withtrack); }
};

// What the page shows, whatever the order of the calls: one solid marker per
// cast at its position with its label just north-west of it, one track
// segment per consecutive pair (over both markers) only with the track, the
// coastline, the frame of the screen map and the title.
TEST_F(StationPlot, MarkersLabelsTrackCoastlineFrameAndTitle) {
    const double pos[][2] = {{70, 41}, {69.5, 41.25}, {69, 41.5}};
    for (int i = 1; i <= 3; ++i) add_cast(i, ("00" + std::to_string(i)).c_str(), pos[i - 1][0], pos[i - 1][1]);
    const auto joins = [](const RecordingSurface::Call& c, Quad q) {
        return coords(c) == q || coords(c) == Quad{q[2], q[3], q[0], q[1]};
    };
    for (const bool withtrack : {true, false}) {
        SCOPED_TRACE(withtrack);
        page.clear();
        EXPECT_TRUE(draw(withtrack).ok());
        const auto& c = page.calls();
        const auto find = [&](auto pred) { return std::find_if(c.begin(), c.end(), pred) - c.begin(); };
        const auto count = [&](auto pred) { return std::count_if(c.begin(), c.end(), pred); };
        EXPECT_EQ(coords(page.of(Op::Scale).at(0)), (Quad{72, 44, 64.5, 36.6}));
        for (int i = 1; i <= 3; ++i) {
            SCOPED_TRACE(i);
            const double x = pos[i - 1][0], y = pos[i - 1][1];
            const auto marker = find([&](const auto& k) {
                return k.op == Op::Circle && coords(k) == Quad{x, y, 0.048, 0} && k.state.fill_style == kFillSolid;
            });
            ASSERT_LT(marker, std::ssize(c));
            const auto label =
                find([&](const auto& k) { return k.op == Op::Print && k.text == " " + std::to_string(i); });
            ASSERT_LT(label, std::ssize(c));
            EXPECT_NEAR(c[label].a, x + 0.05, 1e-12);
            EXPECT_NEAR(c[label].b, y + 0.1, 1e-12);
            if (i == 1) continue;
            const Quad pair{x, y, pos[i - 2][0], pos[i - 2][1]};
            EXPECT_EQ(count([&](const auto& k) { return k.op == Op::Line && joins(k, pair); }), withtrack ? 1 : 0);
            EXPECT_TRUE(!withtrack || find([&](const auto& k) { return k.op == Op::Line && joins(k, pair); }) > label);
        }
        EXPECT_EQ(page.of(Op::Circle).size(), 3u);
        EXPECT_EQ(page.of(Op::Line).size(), (withtrack ? 2u : 0u) + 5u);
        const Quad lines[] = {{70.5, 41, 70, 41.5},  // the coastline, then the frame
                              {71, 42.5, 71, 40},
                              {71, 42.5, 65.5, 42.5},
                              {65.5, 42.5, 65.5, 40},
                              {65.5, 40, 71, 40}};
        for (const Quad& q : lines)
            EXPECT_EQ(count([&](const auto& k) { return k.op == Op::Line && joins(k, q); }), 1) << q[0] << " " << q[1];
        const auto title = find([](const auto& k) { return k.op == Op::Print && k.text == "Cast Positions"; });
        ASSERT_LT(title, std::ssize(c));
        EXPECT_EQ(std::tuple(c[title].a, c[title].b), std::tuple(69, 39.8));
    }
}

// Only casts a load filled get a dot; the track joins each to the one before
// it when both were filled.
TEST_F(StationPlot, TrackSegmentsJoinConsecutiveFilledCasts) {
    // clang-format off
    struct Row { const char* name; int first, casts; std::size_t segments; } rows[] = {
        {"no cruise", 1, 0, 0}, {"Bongo-SB tows on a fresh start", 51, 3, 2}};  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        d = CruiseData{};
        page.clear();
        for (int i = row.first; i < row.first + row.casts; ++i) add_cast(i, "001", 70 - 0.01 * i, 41);
        d.ncast = row.first + row.casts - 1;
        EXPECT_TRUE(draw(true).ok());
        EXPECT_EQ(page.of(Op::Circle).size(), std::size_t(row.casts));
        EXPECT_EQ(page.of(Op::Line).size(), row.segments + 5);  // the coastline and the frame besides
    }
}

// The numeric value of castno in the signed general form; check values worked
// by hand from the reading rule (blanks skipped, stop at a non-number).
TEST(CastLabel, NumericValueOfTheCastNumber) {
    const std::pair<const char*, const char*> rows[] = {
        {"007", " 7"}, {"ABC", " 0"},    {"", " 0"},    {"  12", " 12"}, {"12A", " 12"},
        {"-3", "-3"},  {"1.50", " 1.5"}, {".5", " .5"}, {"-.5", "-.5"},  {"4e", " 4"},
    };
    for (const auto& [castno, label] : rows) EXPECT_EQ(cast_label(castno), label) << castno;
}

}  // namespace

#include "print/station_plot.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "surface/recording_surface.h"

namespace {

using Op = RecordingSurface::Op;
using Quad = std::array<double, 4>;
Quad coords(const RecordingSurface::Call& c) { return {c.a, c.b, c.c, c.d}; }

// A store of the given casts (filled or not) and a printed coastline of one
// segment, 70.5 W 41 N to 70 W 41.5 N.
struct StationPlot : ::testing::Test {
    std::filesystem::path coast = std::filesystem::path(::testing::TempDir()) / "print_coast.bln";
    CruiseData d;
    RecordingSurface page;

    StationPlot() {
        std::ofstream(coast) << "2\n-70.5,41\n-70,41.5\n";
        set_start_values(d);
    }
    void add_cast(int i, const char* castno, double lon, double lat) {
        d.castno[i] = castno;
        d.castfile[i] = "/cruise/" + std::string(castno) + ".PRE";
        d.lon[i] = lon, d.lat[i] = lat, d.ncast = i;
    }
    CoastResult draw(bool withtrack) { return draw_station_plot(page, d, coast.string(), "", withtrack); }
};

TEST_F(StationPlot, DotsLabelsTrackCoastlineFrameAndTitle) {
    add_cast(1, "001", 70, 41);
    add_cast(2, "002", 69.5, 41.25);
    EXPECT_TRUE(draw(true).ok());
    const auto& c = page.calls();
    ASSERT_EQ(c.size(), 12u);  // Scale, two dots and labels, a segment, coastline, four frame edges, title
    EXPECT_EQ(coords(c[0]), (Quad{72, 44, 64.5, 36.6}));
    // A solid dot of 0.6 stnrad; the label a little west of and above it.
    EXPECT_DOUBLE_EQ(c[1].c, 0.048);
    EXPECT_EQ(c[1].state.fill_style, kFillSolid);
    EXPECT_EQ(std::tuple(c[2].text, c[2].a, c[2].b), std::tuple(" 1", 70.05, 41.1));
    // The segment follows the later cast's label, so it passes over them; the
    // coastline in degrees west comes after every cast, then the frame.
    EXPECT_EQ(coords(c[5]), (Quad{69.5, 41.25, 70, 41}));
    EXPECT_EQ(coords(c[6]), (Quad{70.5, 41, 70, 41.5}));
    EXPECT_EQ(coords(c[7]), (Quad{71, 42.5, 71, 40}));
    EXPECT_EQ(std::tuple(c[11].text, c[11].a, c[11].b), std::tuple("Cast Positions", 69, 39.8));
}

// Only casts a load filled get a dot; the track joins each to the one before
// it when both were filled.
TEST_F(StationPlot, TrackSegmentsJoinConsecutiveFilledCasts) {
    struct Row { const char* name; int first, casts; bool withtrack; std::size_t segments; } rows[] = {
        {"five casts with track", 1, 5, true, 4}, {"five casts without", 1, 5, false, 0},
        {"no cruise", 1, 0, true, 0},             {"Bongo-SB tows on a fresh start", 51, 3, true, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        d = CruiseData{};
        page.clear();
        for (int i = row.first; i < row.first + row.casts; ++i) add_cast(i, "001", 70 - 0.01 * i, 41);
        d.ncast = row.first + row.casts - 1;
        EXPECT_TRUE(draw(row.withtrack).ok());
        EXPECT_EQ(page.of(Op::Circle).size(), std::size_t(row.casts));
        EXPECT_EQ(page.of(Op::Line).size(), row.segments + 5);  // the coastline and the frame besides
    }
}

// The numeric value of castno in the signed general form; check values worked
// by hand from the reading rule (blanks skipped, stop at a non-number).
TEST(CastLabel, NumericValueOfTheCastNumber) {
    struct Row { const char* castno, *label; } rows[] = {
        {"007", " 7"},   {"ABC", " 0"},    {"", " 0"},    {"  12", " 12"}, {"12A", " 12"},
        {"-3", "-3"},    {"1.50", " 1.5"}, {".5", " .5"}, {"-.5", "-.5"},  {"4e", " 4"},
    };
    for (const Row& row : rows) EXPECT_EQ(cast_label(row.castno), row.label) << row.castno;
}

}  // namespace

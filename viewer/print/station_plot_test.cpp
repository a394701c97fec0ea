#include "print/station_plot.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;
using Quad = std::array<double, 4>;
Quad coords(const RecordingSurface::Call& c) { return {c.a, c.b, c.c, c.d}; }

// A started viewer whose printed coastline is one segment, 70.5 W 41 N to 70 W 41.5 N.
struct StationPlot : ::testing::Test {
    std::filesystem::path coast = std::filesystem::path(::testing::TempDir()) / "print_coast.bln";
    FakeViewer fv{ViewerPaths{"", coast.string(), ""}};
    CruiseData& d = fv.d;

    StationPlot() {
        std::ofstream(coast) << "2\n-70.5,41\n-70,41.5\n";
        setup(fv.viewer);
    }
    void add_cast(int i, const char* castno, double lon, double lat) {
        d.castno[i] = castno;
        d.castfile[i] = "/cruise/" + std::string(castno) + ".PRE";
        d.lon[i] = lon, d.lat[i] = lat, d.ncast = i, d.curcast = 1;
    }
    const RecordingSurface& page() const { return fv.printer.jobs.back().second; }
    // Line calls other than the coastline segment and the four frame edges.
    long track_segments() const { return long(page().of(Op::Line).size()) - 5; }
};

TEST_F(StationPlot, DrawsDotsLabelsTrackCoastlineAndTitle) {
    add_cast(1, "001", 70, 41);
    add_cast(2, "002", 69.5, 41.25);
    EXPECT_TRUE(staprint(fv.viewer, true, "/out/track.pdf"));

    EXPECT_EQ(fv.printer.jobs.back().first, "/out/track.pdf");
    const auto& c = page().calls();
    ASSERT_EQ(c.size(), 13u);  // Scale, two dots and labels, a segment, coastline, four frame edges, title, EndDoc
    EXPECT_EQ(coords(c[0]), (Quad{72, 44, 64.5, 36.6}));
    // A solid dot of 0.6 stnrad; the label a little west of and above it.
    EXPECT_DOUBLE_EQ(c[1].c, 0.048);
    EXPECT_EQ(c[1].state.fill_style, kFillSolid);
    EXPECT_EQ(c[2].text, " 1");
    EXPECT_DOUBLE_EQ(c[2].state.current_x, 70.05);
    EXPECT_DOUBLE_EQ(c[2].state.current_y, 41.1);
    // The segment follows the later cast's label, so it passes over them; the
    // coastline in degrees west comes after every cast.
    EXPECT_EQ(coords(c[5]), (Quad{69.5, 41.25, 70, 41}));
    EXPECT_EQ(coords(c[6]), (Quad{70.5, 41, 70, 41.5}));
    EXPECT_EQ(c[11].text, "Cast Positions");
    EXPECT_EQ(c[12].op, Op::EndDoc);

    EXPECT_EQ(fv.filemsg.texts, std::vector<std::string>{"   Printing plot of cast locations"});
    EXPECT_FALSE(fv.filemsg.visible);
    EXPECT_EQ(fv.quenvar.statuses.back(), "Wrote /out/track.pdf");
    EXPECT_EQ(fv.quenvar.captions, std::vector<std::string>{"/cruise/001.PRE"}) << "the current cast drawn again";
}

// Only casts a load filled get a dot; the track joins each to the one before
// it when both were filled.
TEST_F(StationPlot, TrackSegmentsJoinConsecutiveFilledCasts) {
    struct Row {
        const char* name;
        int first, casts;
        bool withtrack;
        long segments;
    } rows[] = {
        {"one cast with track", 1, 1, true, 0},   {"one cast without", 1, 1, false, 0},
        {"five casts with track", 1, 5, true, 4}, {"five casts without", 1, 5, false, 0},
        {"no cruise", 1, 0, true, 0},             {"Bongo-SB tows on a fresh start", 51, 3, true, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 1; i <= kMaxCast; ++i) d.castfile[i].clear();
        for (int i = row.first; i < row.first + row.casts; ++i) add_cast(i, "001", 70 - 0.1 * i, 41);
        d.ncast = row.first + row.casts - 1;
        staprint(fv.viewer, row.withtrack);
        EXPECT_EQ(fv.printer.jobs.back().first, row.withtrack ? "track.pdf" : "stations.pdf");
        EXPECT_EQ(page().of(Op::Circle).size(), std::size_t(row.casts));
        EXPECT_EQ(track_segments(), row.segments);
    }
}

TEST_F(StationPlot, UnsetPositionLiesAtZeroAndTheTrackRunsToIt) {
    add_cast(1, "001", 70, 41);
    add_cast(2, "002", 0, 0);
    d.lon[2].reset(), d.lat[2].reset();
    add_cast(3, "003", 69, 41);
    staprint(fv.viewer, true);
    EXPECT_EQ(coords(page().of(Op::Circle)[1]), (Quad{0, 0, 0.048, 0}));
    EXPECT_EQ(coords(page().of(Op::Line)[0]), (Quad{0, 0, 70, 41}));
    EXPECT_EQ(coords(page().of(Op::Line)[1]), (Quad{69, 41, 0, 0}));
}

TEST_F(StationPlot, MissingCoastlineStillPrintsThePageAndSaysSo) {
    fv.viewer.paths.coast_print = (std::filesystem::path(::testing::TempDir()) / "no-such.bln").string();
    add_cast(1, "001", 70, 41);
    EXPECT_TRUE(staprint(fv.viewer, false, "p.pdf"));
    EXPECT_EQ(page().of(Op::Line).size(), 4u);
    EXPECT_NE(fv.quenvar.statuses.back().find("no coastline"), std::string::npos);
}

// The numeric value of castno in the signed general form; check values worked
// by hand from the reading rule (blanks skipped, stop at a non-number).
TEST(CastLabel, NumericValueOfTheCastNumber) {
    struct Row {
        const char* name;
        const char* castno;
        const char* label;
    } rows[] = {
        {"leading zeros", "007", " 7"},    {"not numeric", "ABC", " 0"},         {"empty", "", " 0"},
        {"leading blanks", "  12", " 12"}, {"stops at a letter", "12A", " 12"}, {"negative", "-3", "-3"},
        {"decimal zeros", "1.50", " 1.5"}, {"lone exponent mark", "4e", " 4"},   {"sign alone", "-x", " 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cast_label(row.castno), row.label);
    }
}

}  // namespace

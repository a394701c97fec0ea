#include "print/station_plot.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "print/report.h"
#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// A viewer at its start-up state whose printed coastline is one segment,
// from 70.5 W 41 N to 70 W 41.5 N.
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
        d.lon[i] = lon;
        d.lat[i] = lat;
        d.ncast = i;
        d.curcast = 1;
    }
    const RecordingSurface& page() const { return fv.printer.jobs.back().second; }
    // Line calls other than the coastline segment and the four frame edges.
    long track_segments() const { return long(page().of(Op::Line).size()) - 5; }
};

TEST_F(StationPlot, DrawsThePageInOrder) {
    add_cast(1, "001", 70, 41);
    add_cast(2, "002", 69.5, 41.25);
    fv.viewer.report_folder = "/cruise";
    EXPECT_TRUE(staprint(fv.viewer, true, "/out/track.pdf"));

    ASSERT_EQ(fv.printer.jobs.size(), 1u);
    EXPECT_EQ(fv.printer.jobs[0].first, "/out/track.pdf");
    const auto& calls = page().calls();
    ASSERT_EQ(calls.size(), 13u);
    EXPECT_EQ(calls[0].op, Op::Scale);
    EXPECT_EQ((std::array{calls[0].a, calls[0].b, calls[0].c, calls[0].d}), (std::array{72.0, 44.0, 64.5, 36.6}));
    // Dot of radius 0.6 x stnrad, solid; the label a little west of and above it.
    EXPECT_EQ(calls[1].op, Op::Circle);
    EXPECT_DOUBLE_EQ(calls[1].c, 0.048);
    EXPECT_EQ(calls[1].state.fill_style, kFillSolid);
    EXPECT_EQ(calls[2].text, " 1");
    EXPECT_DOUBLE_EQ(calls[2].state.current_x, 70.05);
    EXPECT_DOUBLE_EQ(calls[2].state.current_y, 41.1);
    // The segment follows the later cast's dot and label.
    EXPECT_EQ(calls[3].op, Op::Circle);
    EXPECT_EQ(calls[4].text, " 2");
    EXPECT_EQ(calls[5].op, Op::Line);
    EXPECT_EQ((std::array{calls[5].a, calls[5].b, calls[5].c, calls[5].d}), (std::array{69.5, 41.25, 70.0, 41.0}));
    // The coastline, longitudes turned to degrees west, then the frame of the
    // screen map and the title.
    EXPECT_EQ((std::array{calls[6].a, calls[6].b, calls[6].c, calls[6].d}), (std::array{70.5, 41.0, 70.0, 41.5}));
    EXPECT_EQ((std::array{calls[7].a, calls[7].b, calls[7].c, calls[7].d}), (std::array{71.0, 42.5, 71.0, 40.0}));
    EXPECT_EQ((std::array{calls[10].a, calls[10].b, calls[10].c, calls[10].d}), (std::array{65.5, 40.0, 71.0, 40.0}));
    EXPECT_EQ(calls[11].text, "Cast Positions");
    EXPECT_EQ(calls[11].state.current_x, 69);
    EXPECT_EQ(calls[11].state.current_y, 39.8);
    EXPECT_EQ(calls[12].op, Op::EndDoc);

    EXPECT_EQ(fv.filemsg.texts, std::vector<std::string>{"   Printing plot of cast locations"});
    EXPECT_FALSE(fv.filemsg.visible);
    EXPECT_EQ(fv.quenvar.statuses.back(), "Wrote /out/track.pdf");
    ASSERT_FALSE(fv.quenvar.captions.empty());  // the current cast drawn again
    EXPECT_EQ(fv.quenvar.captions.back(), "/cruise/001.PRE");
}

TEST_F(StationPlot, TrackSegmentsJoinConsecutiveCasts) {
    struct Row {
        const char* name;
        int casts;
        bool withtrack;
        long segments;  // n - 1 with the track, none without
    } rows[] = {
        {"one cast with track", 1, true, 0}, {"one cast without", 1, false, 0},
        {"five casts with track", 5, true, 4}, {"five casts without", 5, false, 0},
        {"no cruise", 0, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 1; i <= row.casts; ++i) add_cast(i, "001", 70 - 0.1 * i, 41);
        d.ncast = row.casts;
        staprint(fv.viewer, row.withtrack);
        EXPECT_EQ(fv.printer.jobs.back().first, row.withtrack ? "track.pdf" : "stations.pdf");
        EXPECT_EQ(page().of(Op::Circle).size(), std::size_t(row.casts));
        EXPECT_EQ(track_segments(), row.segments);
        EXPECT_EQ(page().texts().back(), "Cast Positions");
    }
}

TEST_F(StationPlot, UnsetPositionLiesAtZeroAndTheTrackRunsToIt) {
    add_cast(1, "001", 70, 41);
    d.castno[2] = "002";
    d.castfile[2] = "/cruise/002.PRE";  // loaded, with a blank position
    add_cast(3, "003", 69, 41);
    staprint(fv.viewer, true);
    const auto circles = page().of(Op::Circle);
    EXPECT_EQ(circles[1].a, 0);
    EXPECT_EQ(circles[1].b, 0);
    const auto lines = page().of(Op::Line);
    EXPECT_EQ((std::array{lines[0].a, lines[0].b, lines[0].c, lines[0].d}), (std::array{0.0, 0.0, 70.0, 41.0}));
    EXPECT_EQ((std::array{lines[1].a, lines[1].b, lines[1].c, lines[1].d}), (std::array{69.0, 41.0, 0.0, 0.0}));
}

TEST_F(StationPlot, CastsNoLoadFilledAreLeftOut) {
    // A Bongo-SB load on a fresh start: tows at 51..53, casts 1..50 empty.
    for (int i = 51; i <= 53; ++i) add_cast(i, "002", 70.9, 41 + 0.1 * (i - 51));
    staprint(fv.viewer, true);
    EXPECT_EQ(page().of(Op::Circle).size(), 3u);
    EXPECT_EQ(track_segments(), 2);
}

TEST_F(StationPlot, MissingCoastlineStillPrintsThePageAndSaysSo) {
    fv.viewer.paths.coast_print = (std::filesystem::path(::testing::TempDir()) / "no-such.bln").string();
    add_cast(1, "001", 70, 41);
    EXPECT_TRUE(staprint(fv.viewer, false, "p.pdf"));
    EXPECT_EQ(page().of(Op::Line).size(), 4u);
    EXPECT_EQ(page().calls().back().op, Op::EndDoc);
    EXPECT_NE(fv.quenvar.statuses.back().find("no coastline"), std::string::npos);
}

// Label text: the numeric value of castno in the signed general form.
TEST(CastLabel, NumericValueOfTheCastNumber) {
    struct Row {
        const char* name;
        const char* castno;
        const char* label;
    } rows[] = {
        {"leading zeros", "007", " 7"},         {"not numeric", "ABC", " 0"},
        {"empty", "", " 0"},                    {"leading blanks", "  12", " 12"},
        {"stops at a letter", "12A", " 12"},    {"negative", "-3", "-3"},
        {"trailing decimal zeros", "1.50", " 1.5"}, {"exponent", "1e2", " 100"},
        {"lone exponent mark", "4e", " 4"},     {"plus sign", "+4", " 4"},
        {"sign without digits", "-x", " 0"},    {"negative zero", "-0", " 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cast_label(row.castno), row.label);
    }
}

}  // namespace

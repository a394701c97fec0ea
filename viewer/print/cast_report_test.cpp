#include "print/cast_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "format/number_format.h"
#include "print/report.h"
#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;
using At = std::pair<double, double>;

// Cast k as a load leaves it, made current: 12 degC, 33.5 psu, fluorescence 0
// and sigma-t 25.5 at every depth; castno is k in three digits.
void fill_cast(CruiseData& d, int k, const std::vector<double>& depths) {
    d.castno[k] = std::string(k < 10 ? "00" : "0") + std::to_string(k);
    d.castfile[k] = "/cruise/" + d.castno[k] + ".PRE";
    d.npts[k] = double(depths.size());
    for (int j = 1; j <= int(depths.size()); ++j) {
        const double sample[] = {0, depths[std::size_t(j - 1)], 12, 33.5, 0, 25.5};
        for (int v = kDepth; v <= kSigma; ++v) d.castdat(k, j, v) = sample[v];
    }
    d.ncast = std::max(double(d.ncast), double(k));
    d.curcast = k;
}

struct CastReport : ::testing::Test {
    FakeViewer fv;
    CruiseData& d = fv.d;

    CastReport() { setup(fv.viewer); }
    const RecordingSurface& page() const { return fv.printer.jobs.back().second; }
};

TEST(DepthScale, NextMultipleOfFiftyStrictlyDeeperThanTheLastSample) {
    const std::pair<double, double> rows[] = {{0, 50}, {50, 100}, {100, 150}, {120, 150}, {-3, 50}, {NAN, 50}};
    for (auto [last, scale] : rows) EXPECT_EQ(depth_scale(last), scale) << last;
    EXPECT_TRUE(std::isinf(depth_scale(INFINITY)));  // returns at once
}

// Profiles: x = (value - min) * 100 / (max - min) and y = depth * 100 / 50 put
// 12 degC, 33.5 psu and sigma-t 25.5 at x = 50, depth 0.5 at y = 1 and 36 psu
// at x = 100.
TEST_F(CastReport, HeaderLegendAndProfiles) {
    fill_cast(d, 7, {10, 20, 0.5, 40, 45});
    d.castdat(7, 4, kSalt) = 36;
    d.latdeg[7] = 41, d.latmin[7] = 30.46, d.londeg[7] = 70, d.lonmin[7] = 5;
    d.year[7] = 97, d.month[7] = 6, d.day[7] = 3, d.hour[7] = 13.5, d.botdep[7] = 85;
    EXPECT_TRUE(print_casts(fv.viewer, 0, "c.pdf"));
    std::map<At, std::string> texts;
    for (const auto& c : page().of(Op::Print)) texts[{c.a, c.b}] = c.text;
    const std::map<At, std::string> want = {
        {{15, -70}, "Cast #:      007"},  {{15, -65}, "Lat:   41 30.5 N"},
        {{15, -60}, "Lon:   70 5. W"},    {{60, -70}, "Date(y\\m\\d):  97\\6\\3"},
        {{60, -65}, "Hour (GMT):     13.5"}, {{60, -60}, "Bottom depth:  85"},
        {{-9, -35}, " 2.0"},              {{102, -11}, "28.0"}, {{-9, 98}, " 50."},
    };
    for (const auto& [at, text] : want) EXPECT_EQ(texts[at], text);
    std::map<int, int> profile_lines;
    for (const auto& c : page().of(Op::Line)) {
        if (c.b < 0 && c.d == c.b) {
            EXPECT_EQ(c.state.draw_style, (c.b + 40) / 8 - 1) << "legend row at " << c.b;
        }
        profile_lines[c.state.draw_style] += c.a > 1 && c.b > 1;  // not the legend or frame
    }
    // Solid, dash, dot and dash-dot as in the legend. The first point, the
    // segment to sample 2 and the one from 4 to 5: y = 1 breaks every curve,
    // x = 100 salinity's too; fluorescence 0 is outside.
    EXPECT_EQ(profile_lines, (std::map<int, int>{{kDrawSolid, 3}, {kDrawDash, 2}, {kDrawDot, 0}, {kDrawDashDot, 3}}));
    EXPECT_EQ(fv.filemsg.texts, std::vector<std::string>{"  Printing cast 007"});
    EXPECT_EQ(fv.quenvar.captions, std::vector<std::string>{"/cruise/007.PRE"}) << "the current cast drawn again";
}

// Rows worked by hand from the nearest-sample rule: standard depths 5 ... 300 m
// in slots 2 to 15, unset (0) in 16 to 20; the rows follow each other 6 apart
// from y = 117, the note 12 below the last but after slot 20.
TEST_F(CastReport, TableRowsAtStandardDepths) {
    std::vector<double> metres;
    for (int m = 1; m <= 400; ++m) metres.push_back(m);
    struct Row {
        const char* name;
        std::vector<double> depths, rows;
        double note_y;
    } rows[] = {
        {"no samples", {}, {}, 135},
        {"one sample printed twice", {3}, {3, 3}, 135},
        {"equal distances choose the later", {4, 6, 8}, {4, 6, 8}, 141},
        {"deeper than 300 m: slots 16 to 20 take the next samples, then the stop", metres,
         {1, 5, 10, 15, 20, 25, 30, 40, 50, 75, 100, 150, 200, 250, 300, 301, 302, 303, 304, 305, 400}, 243},
    };
    const std::string rest = padnum(8, 2, 12) + padnum(8, 2, 33.5) + padnum(8, 2, 0) + padnum(8, 2, 25.5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fill_cast(d, 1, row.depths);
        print_casts(fv.viewer, 0, "c.pdf");
        std::vector<double> got;
        double note_y = 0;
        for (const auto& c : page().of(Op::Print)) {
            if (c.a == 10 && c.b > 110) {
                EXPECT_EQ(c.b, 117 + 6.0 * double(got.size()));
                EXPECT_EQ(c.text.substr(8), rest);
                got.push_back(std::stod(c.text.substr(0, 8)));
            }
            if (c.text == "[** Note:  this is uncorrected data **]") note_y = c.b;
        }
        EXPECT_EQ(got, row.rows);
        EXPECT_EQ(note_y, row.note_y);
    }
}

TEST(CastReportJob, SelectionAndPagePerCast) {
    std::vector<int> sb911_then_bongo{51, 52}, all52;
    for (int k = 1; k <= 52; ++k) all52.push_back(k);
    sb911_then_bongo.insert(sb911_then_bongo.end(), all52.begin(), all52.begin() + 50);
    struct Row {
        const char* name;
        int selector, current;
        std::vector<int> filled, printed;
        const char* file;  // none: nothing written
    } rows[] = {
        {"selector 0: the current cast", 0, 3, {1, 2, 3}, {3}, "/cruise/cast-003.pdf"},
        {"selector 1: every cast", 1, 3, {1, 2, 3}, {1, 2, 3}, "/cruise/casts.pdf"},
        {"other selectors: the current cast", 2, 2, {1, 2}, {2}, "/cruise/cast-002.pdf"},
        {"Bongo-SB after SB911: casts 1 to 50 too", 1, 51, sb911_then_bongo, all52, "/cruise/casts.pdf"},
        {"Bongo-SB on a fresh start: only the tows", 1, 51, {51, 52}, {51, 52}, "/cruise/casts.pdf"},
        {"nothing loaded", 1, 0, {}, {}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer fv;
        setup(fv.viewer);
        fv.viewer.report_folder = "/cruise";
        for (int k : row.filled) fill_cast(fv.d, k, {10, 20});
        fv.d.curcast = row.current;
        print_casts(fv.viewer, row.selector);
        std::vector<std::string> shown;
        for (int k : row.printed) shown.push_back("  Printing cast " + fv.d.castno[k]);
        EXPECT_EQ(fv.filemsg.texts, shown);
        EXPECT_FALSE(fv.filemsg.visible);
        if (!row.file) {
            EXPECT_TRUE(fv.printer.jobs.empty());
            EXPECT_EQ(fv.quenvar.statuses, std::vector<std::string>{"No casts to print"});
            continue;
        }
        EXPECT_EQ(fv.printer.jobs.back().first, row.file);
        // A page of its own for each cast, each starting with its Scale.
        std::vector<Op> pages, want{Op::Scale};
        for (const auto& c : fv.printer.jobs.back().second.calls())
            if (c.op == Op::Scale || c.op == Op::NewPage || c.op == Op::EndDoc) pages.push_back(c.op);
        for (std::size_t i = 1; i < row.printed.size(); ++i) want.insert(want.end(), {Op::NewPage, Op::Scale});
        want.push_back(Op::EndDoc);
        EXPECT_EQ(pages, want);
    }
}

struct FailingPrinter : FakePrinter {
    bool last_job_ok(std::string* why) const override {
        *why = "disk full";
        return false;
    }
};

TEST_F(CastReport, ReportPathsAndAFailedJob) {
    struct Row {
        const char* name;
        const char* folder;
        Report kind;
        const char* castno;
        const char* path;
    } rows[] = {
        {"working directory", "", Report::stations, "", "stations.pdf"},
        {"cruise folder", "/data/c1/", Report::track, "", "/data/c1/track.pdf"},
        {"blanks removed", "/d", Report::cast, " 7 ", "/d/cast-7.pdf"},
        {"no separators", "/d", Report::cast, "../", "/d/cast-.._.pdf"},
        {"empty: the index", "/d", Report::cast, "  ", "/d/cast-4.pdf"},
    };
    d.curcast = 4;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fv.viewer.report_folder = row.folder;
        d.castno[4] = row.castno;
        EXPECT_EQ(report_path(fv.viewer, row.kind), row.path);
    }
    EXPECT_EQ(report_named("casts"), Report::casts);
    EXPECT_EQ(report_named("Cast"), std::nullopt);

    FailingPrinter printer;
    Viewer v{d, fv.quenvar, fv.Stations, fv.lister, fv.info, fv.filemsg, fv.limitbox, printer, fv.alerts, {}, {}};
    fill_cast(d, 1, {10});
    EXPECT_FALSE(print_report(v, Report::cast));
    EXPECT_EQ(printer.jobs.back().first, "cast-001.pdf");
    EXPECT_EQ(fv.quenvar.statuses.back(), "Could not write cast-001.pdf: disk full");
}

}  // namespace

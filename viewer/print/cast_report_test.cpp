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

// Cast k as a load leaves it: 12 degC, 33.5 psu, fluorescence 0 and sigma-t
// 25.5 at every depth; castno is k in three digits.
void fill_cast(CruiseData& d, int k, const std::vector<double>& depths) {
    const std::string n = std::to_string(k);
    d.castno[k] = std::string(3 - n.size(), '0') + n;
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
    std::map<At, std::string> prints() const {
        std::map<At, std::string> out;
        for (const auto& c : page().of(Op::Print)) out[{c.a, c.b}] = c.text;
        return out;
    }
};

// The depth scale steps 50, 100, ... until strictly deeper than the last sample.
TEST(DepthScale, NextMultipleOfFiftyStrictlyBelowTheLastSample) {
    struct Row {
        const char* name;
        double last, scale;
    } rows[] = {
        {"surface", 0, 50},        {"exactly 50", 50, 100},  {"exactly 100", 100, 150},
        {"between", 120, 150},     {"negative", -3, 50},     {"NaN", std::nan(""), 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(depth_scale(row.last), row.scale);
    }
    EXPECT_TRUE(std::isinf(depth_scale(INFINITY)));  // returns at once
}

TEST_F(CastReport, HeaderLegendAndDepthLabels) {
    fill_cast(d, 7, {10, 45});
    d.stdsta[7] = "012";
    d.latdeg[7] = 41, d.latmin[7] = 30.46, d.londeg[7] = 70, d.lonmin[7] = 5;
    d.year[7] = 97, d.month[7] = 6, d.day[7] = 3, d.hour[7] = 13.5, d.botdep[7] = 85;
    EXPECT_TRUE(print_casts(fv.viewer, 0, "c.pdf"));

    auto p = prints();
    const std::map<At, std::string> want = {
        {{15, -75}, "RU320"},
        {{60, -75}, "Standard Sta #: 012"},
        {{15, -70}, "Cast #:      007"},
        {{15, -65}, "Lat:   41 30.5 N"},
        {{15, -60}, "Lon:   70 5. W"},
        {{60, -70}, "Date(y\\m\\d):  97\\6\\3"},
        {{60, -65}, "Hour (GMT):     13.5"},
        {{60, -60}, "Bottom depth:  85"},
        {{40, -38}, "temperature"},
        {{-9, -35}, " 2.0"},
        {{102, -11}, "28.0"},
        {{-9, 98}, " 50."},
    };
    for (const auto& [at, text] : want) {
        SCOPED_TRACE(text);
        EXPECT_EQ(p[at], text);
    }
    // Legend rows in the line styles of their profiles: solid, dash, dot, dash-dot.
    for (const auto& c : page().of(Op::Line)) {
        if (c.b < 0 && c.d == c.b) {
            EXPECT_EQ(c.state.draw_style, (c.b + 40) / 8 - 1) << "row at " << c.b;
        }
    }
    EXPECT_EQ(page().calls().back().op, Op::EndDoc);
    EXPECT_EQ(fv.filemsg.texts, std::vector<std::string>{"  Printing cast 007"});
    EXPECT_FALSE(fv.filemsg.visible);
    ASSERT_FALSE(fv.quenvar.captions.empty());  // the current cast drawn again
    EXPECT_EQ(fv.quenvar.captions.back(), "/cruise/007.PRE");
}

// x = (value - min) * 100 / (max - min) and y = depth * 100 / 50 put 12 degC,
// 33.5 psu and sigma-t 25.5 at x = 50, depth 0.5 at y = 1 and 36 psu at x = 100.
TEST_F(CastReport, ProfilesUseTheStrictInsideTestAndTheirLineStyles) {
    fill_cast(d, 1, {10, 20, 0.5, 40, 45});
    d.castdat(1, 4, kSalt) = 36;
    print_casts(fv.viewer, 0, "c.pdf");

    std::map<int, int> per_style;
    for (const auto& c : page().of(Op::Line)) {
        if (c.a > 1 && c.b > 1) ++per_style[c.state.draw_style];  // not the legend or frame
    }
    // The first point, the segment to sample 2 and the one from 4 to 5: y = 1
    // breaks every curve, x = 100 salinity's too; fluorescence 0 is outside.
    EXPECT_EQ(per_style, (std::map<int, int>{{kDrawSolid, 3}, {kDrawDash, 2}, {kDrawDashDot, 3}}));
}

TEST_F(CastReport, DepthMinimumNotAboveTheScaleLeavesOutOnlyTheProfiles) {
    fill_cast(d, 1, {10, 80});
    d.axlim(1, 1) = 100;  // the depth scale is 100 as well
    EXPECT_TRUE(print_casts(fv.viewer, 0, "c.pdf"));
    EXPECT_EQ(page().of(Op::Line).size(), 124u);  // legend 4 x 21, frame 40
    auto p = prints();
    EXPECT_EQ(p[At(10, 117)].substr(0, 8), "   10.00");
}

// Rows worked by hand from the nearest-sample rule: standard depths 5 ... 300 m in
// slots 2 to 15, unset (0) in 16 to 20; slot s prints at y = 6s + 111.
TEST_F(CastReport, TableRowsAtStandardDepths) {
    const auto metres = [](int from, int to) {
        std::vector<double> v;
        for (int m = from; m <= to; ++m) v.push_back(m);
        return v;
    };
    struct Row {
        const char* name;
        std::vector<double> depths;
        std::vector<At> rows;  // y, depth
        double note_y;
    } rows[] = {
        {"no samples", {}, {}, 135},
        {"one sample printed twice", {3}, {{117, 3}, {123, 3}}, 135},
        {"equal distances choose the later", {4, 6, 8}, {{117, 4}, {123, 6}, {129, 8}}, 141},
        {"every metre to 60", metres(1, 60),
         {{117, 1}, {123, 5}, {129, 10}, {135, 15}, {141, 20}, {147, 25}, {153, 30}, {159, 40}, {165, 50}, {171, 60}},
         183},
        {"deeper than 300 m: slots 16 to 20 take the next samples, then the stop", metres(1, 400),
         {{117, 1},   {123, 5},   {129, 10},  {135, 15},  {141, 20},  {147, 25},  {153, 30},  {159, 40},
          {165, 50},  {171, 75},  {177, 100}, {183, 150}, {189, 200}, {195, 250}, {201, 300}, {207, 301},
          {213, 302}, {219, 303}, {225, 304}, {231, 305}, {237, 400}},
         243},
    };
    const std::string rest = padnum(8, 2, 12) + padnum(8, 2, 33.5) + padnum(8, 2, 0) + padnum(8, 2, 25.5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fill_cast(d, 1, row.depths);
        print_casts(fv.viewer, 0, "c.pdf");
        std::vector<At> got;
        double note_y = 0;
        for (const auto& c : page().of(Op::Print)) {
            if (c.a == 10 && c.b > 110) {
                EXPECT_EQ(c.text.substr(8), rest);
                got.emplace_back(c.b, std::stod(c.text.substr(0, 8)));
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
        int selector;
        std::vector<int> filled, printed;
        const char* file;
    } rows[] = {
        {"selector 0: the current cast", 0, {1, 2, 3}, {3}, "/cruise/cast-003.pdf"},
        {"selector 1: every cast", 1, {1, 2, 3}, {1, 2, 3}, "/cruise/casts.pdf"},
        {"other selectors: the current cast", 2, {1, 2}, {2}, "/cruise/cast-002.pdf"},
        {"Bongo-SB after SB911: casts 1 to 50 too", 1, sb911_then_bongo, all52, "/cruise/casts.pdf"},
        {"Bongo-SB on a fresh start: only the tows", 1, {51, 52}, {51, 52}, "/cruise/casts.pdf"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer fv;
        setup(fv.viewer);
        fv.viewer.report_folder = "/cruise";
        for (int k : row.filled) fill_cast(fv.d, k, {10, 20});
        fv.d.curcast = row.printed.front();

        print_casts(fv.viewer, row.selector);
        EXPECT_EQ(fv.printer.jobs.back().first, row.file);
        std::vector<std::string> want;
        for (int k : row.printed) want.push_back("  Printing cast " + fv.d.castno[k]);
        EXPECT_EQ(fv.filemsg.texts, want);
        // A page of its own for each cast: every later page starts with its Scale.
        const auto& calls = fv.printer.jobs.back().second.calls();
        std::size_t scales = 0, pages = 1;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            scales += calls[i].op == Op::Scale;
            if (calls[i].op == Op::NewPage) {
                ++pages;
                EXPECT_EQ(calls[i + 1].op, Op::Scale);
            }
        }
        EXPECT_EQ(scales, row.printed.size());
        EXPECT_EQ(pages, row.printed.size());
        EXPECT_EQ(calls.back().op, Op::EndDoc);
    }
}

TEST_F(CastReport, NothingToPrintWritesNoFile) {
    EXPECT_FALSE(print_casts(fv.viewer, 1, "casts.pdf"));
    EXPECT_TRUE(fv.printer.jobs.empty());
    EXPECT_EQ(fv.quenvar.statuses, std::vector<std::string>{"No casts to print"});
}

struct FailingPrinter : FakePrinter {
    bool last_job_ok(std::string* why) const override {
        *why = "disk full";
        return false;
    }
};

TEST_F(CastReport, FailedJobIsReportedAsFailed) {
    FailingPrinter printer;
    Viewer v{d, fv.quenvar, fv.Stations, fv.lister, fv.info, fv.filemsg, fv.limitbox, printer, fv.alerts, {}, {}};
    fill_cast(d, 1, {10});
    EXPECT_FALSE(print_report(v, Report::cast));
    EXPECT_EQ(printer.jobs.back().first, "cast-001.pdf");
    EXPECT_EQ(fv.quenvar.statuses.back(), "Could not write cast-001.pdf: disk full");
}

TEST_F(CastReport, ReportPaths) {
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
}

}  // namespace

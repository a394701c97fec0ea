#include "ui/reports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

struct Reports : ::testing::Test {
    FakeViewer fv{ViewerPaths{"", "/no/such/coast.bln", ""}};
    CruiseData& d = fv.d;

    Reports() {
        setup(fv.viewer);
        fv.viewer.report_folder = "/cruise";
    }
    void fill(int k) {
        d.castno[k] = "00" + std::to_string(k);
        d.castfile[k] = "/cruise/" + d.castno[k] + ".PRE";
        d.npts[k] = 1;
        d.castdat(k, 1, kDepth) = 10;
        d.ncast = k;
    }
    // Scale, NewPage and EndDoc calls of the last job, in order.
    std::vector<Op> pages() const {
        std::vector<Op> out;
        for (const auto& c : fv.printer.jobs.back().second.calls())
            if (c.op == Op::Scale || c.op == Op::NewPage || c.op == Op::EndDoc) out.push_back(c.op);
        return out;
    }
};

// One job, a page a cast; filemsg names each cast while it is laid out; the
// current cast is drawn again at the end.
TEST_F(Reports, CastReportJob) {
    for (int k = 1; k <= 3; ++k) fill(k);
    d.curcast = 2;
    print_casts(fv.viewer, 1);
    EXPECT_EQ(fv.printer.jobs.back().first, "/cruise/casts.pdf");
    EXPECT_EQ(pages(), (std::vector<Op>{Op::Scale, Op::NewPage, Op::Scale, Op::NewPage, Op::Scale, Op::EndDoc}));
    EXPECT_EQ(fv.filemsg.texts,
              (std::vector<std::string>{"  Printing cast 001", "  Printing cast 002", "  Printing cast 003"}));
    EXPECT_FALSE(fv.filemsg.visible);
    EXPECT_EQ(fv.quenvar.statuses.back(), "Wrote /cruise/casts.pdf");
    EXPECT_EQ(fv.quenvar.captions.back(), "/cruise/002.PRE");

    print_casts(fv.viewer, 0);
    EXPECT_EQ(fv.printer.jobs.back().first, "/cruise/cast-002.pdf");
    EXPECT_EQ(pages(), (std::vector<Op>{Op::Scale, Op::EndDoc}));
}

TEST_F(Reports, NothingLoadedWritesNothing) {
    EXPECT_FALSE(print_casts(fv.viewer, 1, "x.pdf"));
    EXPECT_TRUE(fv.printer.jobs.empty());
    EXPECT_EQ(fv.quenvar.statuses, std::vector<std::string>{"No casts to print"});
}

TEST_F(Reports, StationPlotJobTellsAMissingCoastline) {
    fill(1);
    d.curcast = 1;
    EXPECT_TRUE(staprint(fv.viewer, true, "/out/track.pdf"));
    EXPECT_EQ(fv.printer.jobs.back().first, "/out/track.pdf");
    EXPECT_EQ(fv.printer.jobs.back().second.calls().back().op, Op::EndDoc);
    EXPECT_EQ(fv.filemsg.texts, std::vector<std::string>{"   Printing plot of cast locations"});
    EXPECT_FALSE(fv.filemsg.visible);
    EXPECT_EQ(fv.quenvar.statuses.back().rfind("Wrote /out/track.pdf (no coastline, /no/such/coast.bln: ", 0), 0u)
        << fv.quenvar.statuses.back();
    EXPECT_EQ(fv.quenvar.captions.back(), "/cruise/001.PRE") << "the current cast drawn again";
}

struct FailingPrinter : FakePrinter {
    bool last_job_ok(std::string* why) const override {
        *why = "disk full";
        return false;
    }
};

TEST_F(Reports, PathsAndAFailedJob) {
    struct Row {
        const char* folder;
        Report kind;
        const char* castno;
        const char* path;
    } rows[] = {
        {"", Report::stations, "", "stations.pdf"},   {"/data/c1/", Report::track, "", "/data/c1/track.pdf"},
        {"/d", Report::cast, " 7 ", "/d/cast-7.pdf"}, {"/d", Report::cast, "../", "/d/cast-.._.pdf"},
        {"/d", Report::cast, "  ", "/d/cast-4.pdf"},
    };
    d.curcast = 4;
    for (const Row& row : rows) {
        fv.viewer.report_folder = row.folder;
        d.castno[4] = row.castno;
        EXPECT_EQ(report_path(fv.viewer, row.kind), row.path);
    }
    EXPECT_EQ(report_named("casts"), Report::casts);
    EXPECT_EQ(report_named("Cast"), std::nullopt);

    FailingPrinter printer;
    Viewer v{d, fv.quenvar, fv.Stations, fv.lister, fv.info, fv.filemsg, fv.limitbox, printer, fv.alerts, {}, {}};
    fill(1);
    d.curcast = 1;
    EXPECT_FALSE(print_report(v, Report::cast));
    EXPECT_EQ(printer.jobs.back().first, "cast-001.pdf");
    EXPECT_EQ(fv.quenvar.statuses.back(), "Could not write cast-001.pdf: disk full");
}

}  // namespace

#include "ui/reports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;
using Strings = std::vector<std::string>;

// A viewer with casts 1 to n of one scan each, showing cast `current`.
struct Reports : FakeViewer {
    Reports(int n, int current) : FakeViewer({"", "/no/such/coast.bln", ""}) {
        viewer.report_folder = "/cruise";
        for (int k = 1; k <= n; ++k) {
            d.castno[k] = "00" + std::to_string(k), d.castfile[k] = "/cruise/" + d.castno[k] + ".PRE";
            d.npts[k] = 1, d.castdat(k, 1, kDepth) = 10;
        }
        d.ncast = n, d.curcast = current;
    }
    // The page calls of the last job, in order.
    std::vector<Op> pages() const {
        std::vector<Op> out;
        for (const auto& c : printer.jobs.back().second.calls())
            if (c.op == Op::Scale || c.op == Op::NewPage || c.op == Op::EndDoc) out.push_back(c.op);
        return out;
    }
};

// One job, a page a cast; filemsg names each cast while it is laid out, then
// hides; the current cast is drawn again at the end. With no cast nothing is written.
TEST(Reports, CastReportJob) {
    Reports f(3, 2);
    print_casts(f.viewer, 1);
    EXPECT_EQ(f.printer.jobs.back().first, "/cruise/casts.pdf");
    EXPECT_EQ(f.pages(), (std::vector{Op::Scale, Op::NewPage, Op::Scale, Op::NewPage, Op::Scale, Op::EndDoc}));
    EXPECT_EQ(f.filemsg.texts, (Strings{"  Printing cast 001", "  Printing cast 002", "  Printing cast 003"}));
    EXPECT_EQ(std::tuple(f.filemsg.visible, f.quenvar.statuses.back(), f.quenvar.captions.back()),
              std::tuple(false, "Wrote /cruise/casts.pdf", "/cruise/002.PRE"));
    print_casts(f.viewer, 0);
    EXPECT_EQ(std::pair(f.printer.jobs.back().first, f.pages()),
              std::pair(std::string("/cruise/cast-002.pdf"), std::vector{Op::Scale, Op::EndDoc}));

    Reports none(0, 0);
    EXPECT_FALSE(print_casts(none.viewer, 1, "x.pdf"));
    EXPECT_TRUE(none.printer.jobs.empty());
    EXPECT_EQ(none.quenvar.statuses, Strings{"No casts to print"});
}

TEST(Reports, StationPlotJobTellsAMissingCoastline) {
    Reports f(1, 1);
    EXPECT_TRUE(staprint(f.viewer, true, "/out/track.pdf"));
    EXPECT_EQ(std::tuple(f.printer.jobs.back().first, f.pages().back(), f.filemsg.texts, f.filemsg.visible),
              std::tuple("/out/track.pdf", Op::EndDoc, Strings{"   Printing plot of cast locations"}, false));
    EXPECT_EQ(f.quenvar.statuses.back().rfind("Wrote /out/track.pdf (no coastline, /no/such/coast.bln: ", 0), 0u)
        << f.quenvar.statuses.back();
    EXPECT_EQ(f.quenvar.captions.back(), "/cruise/001.PRE") << "the current cast drawn again";
}

// A cast number never leads the file out of the report folder; a job the
// printer could not write is told.
TEST(Reports, PathsAndAFailedJob) {
    struct Row { const char* folder; Report kind; const char* castno; const char* path; };
    const Row rows[] = {
        {"", Report::stations, "", "stations.pdf"},   {"/data/c1/", Report::track, "", "/data/c1/track.pdf"},
        {"/d", Report::cast, " 7 ", "/d/cast-7.pdf"}, {"/d", Report::cast, "../", "/d/cast-.._.pdf"},
        {"/d", Report::cast, "  ", "/d/cast-4.pdf"},
    };
    Reports f(4, 4);
    for (const Row& row : rows) {
        f.viewer.report_folder = row.folder;
        f.d.castno[4] = row.castno;
        EXPECT_EQ(report_path(f.viewer, row.kind), row.path);
    }
    f.printer.fail = "disk full";
    f.d.castno[4] = "004";
    EXPECT_FALSE(print_report(f.viewer, Report::cast));
    EXPECT_EQ(f.printer.jobs.back().first, "/d/cast-004.pdf");
    EXPECT_EQ(f.quenvar.statuses.back(), "Could not write /d/cast-004.pdf: disk full");
}

}  // namespace

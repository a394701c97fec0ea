#include "ui/reports.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    std::tuple<std::string, std::size_t, Op> job() const {
        const auto& [path, page] = last(printer.jobs);
        return {path, page.of(Op::NewPage).size(), last(page.calls()).op};
    }
};

// One job, a page a cast, filemsg naming each, the current cast drawn again;
// no cast, no job; the station plot tells of no coastline.
TEST(Reports, PrintJobs) {
    Reports f(3, 2);
    print_casts(f.viewer, 1);
    EXPECT_EQ(f.job(), std::tuple("/cruise/casts.pdf", 2u, Op::EndDoc));
    EXPECT_EQ(f.filemsg.texts, (Strings{"  Printing cast 001", "  Printing cast 002", "  Printing cast 003"}));
    EXPECT_EQ(std::tuple(f.filemsg.visible, last(f.quenvar.statuses), last(f.quenvar.captions)),
              std::tuple(false, "Wrote /cruise/casts.pdf", "/cruise/002.PRE"));
    print_casts(f.viewer, 0);
    EXPECT_EQ(f.job(), std::tuple("/cruise/cast-002.pdf", 0u, Op::EndDoc));

    EXPECT_TRUE(staprint(f.viewer, true, "/out/track.pdf"));
    EXPECT_EQ(f.job(), std::tuple("/out/track.pdf", 0u, Op::EndDoc));
    EXPECT_EQ(std::tuple(last(f.filemsg.texts), f.filemsg.visible),
              std::tuple("   Printing plot of cast locations", false));
    EXPECT_EQ(last(f.quenvar.statuses).rfind("Wrote /out/track.pdf (no coastline, /no/such/coast.bln: ", 0), 0u);

    Reports none(0, 0);
    EXPECT_FALSE(print_casts(none.viewer, 1, "x.pdf"));
    EXPECT_TRUE(none.printer.jobs.empty());
    EXPECT_EQ(none.quenvar.statuses, Strings{"No casts to print"});
}

// A cast number never leads the file out of the report folder.
TEST(Reports, Paths) {
    // clang-format off
    struct Row { const char* folder; Report kind; const char* castno; const char* path; };
    const Row rows[] = {
        {"", Report::stations, "", "stations.pdf"},   {"/data/c1/", Report::track, "", "/data/c1/track.pdf"},
        {"/d", Report::cast, " 7 ", "/d/cast-7.pdf"}, {"/d", Report::cast, "../", "/d/cast-.._.pdf"},
        {"/d", Report::cast, "  ", "/d/cast-4.pdf"},
    };  // clang-format on
    Reports f(4, 4);
    for (const Row& row : rows) {
        f.viewer.report_folder = row.folder;
        f.d.castno[4] = row.castno;
        EXPECT_EQ(report_path(f.viewer, row.kind), row.path) << "cast number '" << row.castno << "'";
    }
}

}  // namespace

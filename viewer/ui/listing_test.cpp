#include "ui/listing.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// A viewer showing cast c of n scans: depth 10 k + 2.3, temperature 5.5,
// salinity 33.1, fluorescence 0.5, sigma-t 25.1234, transmission 4.25.
struct Listing : FakeViewer {
    Listing(int c, int n, double columns = 5) {
        d.npts[c] = n, d.curcast = c, d.ncol = columns;
        for (int k = 1; k <= n; ++k) {
            const double row[] = {0, 10.0 * k + 2.3, 5.5, 33.1, 0.5, 25.1234, 4.25};
            for (int v = kDepth; v <= kTrans; ++v) d.castdat(c, k, v) = row[v];
        }
        lister.list.ForeColor(rgb(0, 0, 128));
        lister.list.clear();
    }
};

// Each of the six rows is blanked by a solid box in the background, then its
// text printed in the window's text colour; scans outside the cast stay blank.
TEST(Listcast, RowsBlankedThenPrinted) {
    // Rows i print at y = i + 1; `first` is the depth field of the first.
    struct Row { const char* name; int npts, p; std::vector<double> printed_y; std::string first; };
    const Row rows[] = {
        {"six scans", 20, 1, {2, 3, 4, 5, 6, 7}, "    12."},
        {"three scans", 3, 1, {2, 3, 4}, "    12."},
        {"scrolled to the last scan", 10, 10, {2}, "   102."},
        {"scan 0 and below", 10, -1, {4, 5, 6, 7}, "    12."},
        {"empty cast", 0, 1, {}, ""},
        {"largest p", 10, INT_MAX, {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Listing l(7, row.npts);
        listcast(l.viewer, row.p);
        const auto boxes = l.lister.list.of(Op::LineBox);
        ASSERT_EQ(boxes.size(), 6u);
        for (int i = 1; i <= 6; ++i) {
            const auto& c = boxes[i - 1];
            EXPECT_EQ(std::vector<double>({c.a, c.b, c.c, c.d}), std::vector<double>({1, i + 0.9, 50, i + 1.7}));
            EXPECT_TRUE(c.state.fore == c.state.back && c.state.fill == c.state.back);
            EXPECT_EQ(c.state.fill_style, kFillSolid) << "as the heading step left it";
        }
        std::vector<double> printed_y;
        for (const auto& c : l.lister.list.of(Op::Print)) {
            printed_y.push_back(c.b);
            EXPECT_EQ(std::pair(c.a, c.state.fore), std::pair(2.0, rgb(0, 0, 128)));
        }
        EXPECT_EQ(printed_y, row.printed_y);
        if (!row.first.empty()) {
            EXPECT_EQ(l.lister.list.texts().at(0).substr(0, 7), row.first);
        }
    }
}

// Row forms by ncol and curcast; a value beyond the ordinary widths (a negative
// temperature) shifts the rest of its row.
TEST(Listcast, RowForms) {
    const std::string base = "    12.  05.50   33.100";
    struct Row { const char* name; double ncol; int cast; double temp; std::vector<std::string> want; };
    const Row rows[] = {
        {"six values", 5, 1, 5.5, {base + "    0.50    25.123    4.25"}},
        {"five values", 4, 1, 5.5, {base + "    0.50    25.123"}},
        {"no SB911 layout, cast 50", 0, 50, 5.5, {base + "            25.123"}},
        {"no SB911 layout, cast 49", 0, 49, 5.5, {}},
        {"ncol 5 holds for Bongo-SB casts too", 5, 60, 5.5, {base + "    0.50    25.123    4.25"}},
        {"negative temperature", 5, 1, -1.5, {"    12.  -01.50   33.100    0.50    25.123    4.25"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Listing l(row.cast, 1, row.ncol);
        l.d.castdat(row.cast, 1, kTemp) = row.temp;
        listcast(l.viewer, 1);
        EXPECT_EQ(l.lister.list.texts(), row.want);
    }
}

}  // namespace

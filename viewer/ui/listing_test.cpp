#include "ui/listing.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;
constexpr Color kText = rgb(0, 0, 128);

// A started viewer showing cast c of n scans: depth 10 k + 0.3, temperature
// 5.5, salinity 33.1, fluorescence 0.5, sigma-t 25.1234, transmission 4.25.
struct Listing : FakeViewer {
    RecordingSurface& list = lister.list;
    Listing(int c, int n, double columns = 5) {
        setup(viewer);
        d.npts[c] = n;
        for (int k = 1; k <= n; ++k) {
            const double row[] = {0, 10.0 * k + 0.3, 5.5, 33.1, 0.5, 25.1234, 4.25};
            for (int v = kDepth; v <= kTrans; ++v) d.castdat(c, k, v) = row[v];
        }
        d.curcast = c, d.ncol = columns;
        list.ForeColor(kText);
        list.clear();
    }
};

// Each of the six rows is blanked by a solid box in the background, then its
// text printed in the window's text colour; scans outside the cast stay blank.
TEST(Listcast, RowsBlankedThenPrinted) {
    struct Row {
        const char* name;
        int npts, p;
        std::vector<int> printed;  // rows 1..6 that get a text
        std::string first;         // depth field of the first
    };
    const Row rows[] = {
        {"six scans", 20, 1, {1, 2, 3, 4, 5, 6}, "    10."},
        {"three scans", 3, 1, {1, 2, 3}, "    10."},
        {"scrolled to the last scan", 10, 10, {1}, "   100."},
        {"scan 0 and below", 10, -1, {3, 4, 5, 6}, "    10."},
        {"empty cast", 0, 1, {}, ""},
        {"largest p", 10, INT_MAX, {}, ""},
        {"smallest p", 10, INT_MIN, {}, ""},
        {"full cast at its end", kMaxScan, kMaxScan - 1, {1, 2}, "  4990."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Listing l(7, row.npts);
        listcast(l.viewer, row.p);
        const auto& calls = l.list.calls();
        std::vector<int> printed;
        for (std::size_t i = 0, r = 1; i < calls.size(); ++i) {
            const auto& c = calls[i];
            if (c.op == Op::LineBox) {
                EXPECT_EQ(std::vector<double>({c.a, c.b, c.c, c.d}), std::vector<double>({1, r + 0.9, 50, r + 1.7}));
                EXPECT_TRUE(c.state.fore == c.state.back && c.state.fill == c.state.back);
                EXPECT_EQ(c.state.fill_style, kFillSolid) << "as the heading step left it";
                ++r;
            } else if (c.op == Op::Print) {
                EXPECT_EQ(std::tuple(c.a, c.b, c.state.fore), std::tuple(2.0, double(r), kText)) << "row " << r - 1;
                printed.push_back(int(r) - 1);
            }
        }
        EXPECT_EQ(l.list.of(Op::LineBox).size(), 6u);
        EXPECT_EQ(printed, row.printed);
        if (!printed.empty()) {
            EXPECT_EQ(l.list.texts().front().substr(0, 7), row.first);
        }
    }
}

// Row forms by ncol and curcast; values beyond the ordinary widths (a negative
// temperature) shift the rest of their row.
TEST(Listcast, RowForms) {
    const std::string base = "    12.  05.50   33.100";
    struct Row {
        const char* name;
        double ncol;
        int cast;
        double temp;
        std::string want;  // empty: nothing printed
    };
    const Row rows[] = {
        {"six values", 5, 1, 5.5, base + "    0.50    25.123    4.25"},
        {"five values", 4, 1, 5.5, base + "    0.50    25.123"},
        {"no SB911 layout, cast 50", 0, 50, 5.5, base + "            25.123"},
        {"no SB911 layout, cast 49", 0, 49, 5.5, ""},
        {"ncol 5 holds for Bongo-SB casts too", 5, 60, 5.5, base + "    0.50    25.123    4.25"},
        {"negative temperature", 5, 1, -1.5, "    12.  -01.50   33.100    0.50    25.123    4.25"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Listing l(row.cast, 1, row.ncol);
        l.d.castdat(row.cast, 1, kDepth) = 12.3;
        l.d.castdat(row.cast, 1, kTemp) = row.temp;
        listcast(l.viewer, 1);
        EXPECT_EQ(l.list.texts(), row.want.empty() ? std::vector<std::string>{} : std::vector{row.want});
    }
}

}  // namespace

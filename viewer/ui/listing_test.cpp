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
struct Listing {
    FakeViewer f;
    RecordingSurface& list = f.lister.list;
    Listing(int c, int n, double ncol = 5) {
        setup(f.viewer);
        f.d.npts[c] = n;
        for (int k = 1; k <= n; ++k) {
            const double row[] = {0, 10.0 * k + 0.3, 5.5, 33.1, 0.5, 25.1234, 4.25};
            for (int v = kDepth; v <= kTrans; ++v) f.d.castdat(c, k, v) = row[v];
        }
        f.d.curcast = c;
        f.d.ncol = ncol;
        list.ForeColor(kText);
        list.clear();
    }
};

TEST(Listcast, BlanksEachRowStripThenPrintsItsText) {
    Listing l(1, 20);
    listcast(l.f.viewer, 1);

    const auto& calls = l.list.calls();
    ASSERT_EQ(calls.size(), 12u);
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const auto& box = calls[std::size_t(2 * i - 2)];
        ASSERT_EQ(box.op, Op::LineBox);
        EXPECT_EQ(std::vector<double>({box.a, box.b, box.c, box.d}), std::vector<double>({1, i + 0.9, 50, i + 1.7}));
        // Outline and interior in the background, filled solid by the heading step.
        EXPECT_EQ(box.state.fore, box.state.back);
        EXPECT_EQ(box.state.fill, box.state.back);
        EXPECT_EQ(box.state.fill_style, kFillSolid);

        const auto& text = calls[std::size_t(2 * i - 1)];
        ASSERT_EQ(text.op, Op::Print);
        EXPECT_EQ(text.a, 2);
        EXPECT_EQ(text.b, i + 1);
        EXPECT_EQ(text.state.fore, kText);
    }
    EXPECT_EQ(l.list.ForeColor(), kText);
}

// Row forms of the listing table, by ncol and curcast.
TEST(Listcast, RowFormByLayout) {
    const std::string base = "    12.  05.50   33.100";
    struct Row {
        const char* name;
        double ncol;
        int cast;
        std::string want;  // empty: nothing printed
    };
    const Row rows[] = {
        {"six values", 5, 1, base + "    0.50    25.123    4.25"},
        {"five values", 4, 1, base + "    0.50    25.123"},
        {"no SB911 layout, cast 50", 0, 50, base + "            25.123"},
        {"no SB911 layout, cast 49", 0, 49, ""},
        {"ncol 5 holds for Bongo-SB casts too", 5, 60, base + "    0.50    25.123    4.25"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Listing l(row.cast, 1, row.ncol);
        l.f.d.castdat(row.cast, 1, kDepth) = 12.3;
        listcast(l.f.viewer, 1);
        EXPECT_EQ(l.list.of(Op::LineBox).size(), 6u);
        EXPECT_EQ(l.list.texts(), row.want.empty() ? std::vector<std::string>{} : std::vector{row.want});
    }
}

// Values beyond the ordinary widths shift the rest of their row.
TEST(Listcast, WideValuesShiftTheirRow) {
    Listing l(1, 1, 5);
    l.f.d.castdat(1, 1, kDepth) = 1234567.8;
    l.f.d.castdat(1, 1, kTemp) = -1.5;
    l.f.d.castdat(1, 1, kSigma) = 99.9996;
    l.f.d.castdat(1, 1, kTrans).reset();
    listcast(l.f.viewer, 1);
    EXPECT_EQ(l.list.texts(), std::vector<std::string>{"1234568.  -01.50   33.100    0.50    100.000    0.00"});
}

// Which scans a listing from p shows; the other rows stay blank.
TEST(Listcast, RowsOutsideTheCastStayBlank) {
    struct Row {
        const char* name;
        int npts, p;
        std::vector<double> ys;  // rows printed
        std::string first;       // depth field of the first row printed
    };
    const Row rows[] = {
        {"three scans", 3, 1, {2, 3, 4}, "    10."},
        {"scrolled to the last scan", 10, 10, {2}, "   100."},
        {"scan 0 and below", 10, -1, {4, 5, 6, 7}, "    10."},
        {"empty cast", 0, 1, {}, ""},
        {"largest p", 10, INT_MAX, {}, ""},
        {"smallest p", 10, INT_MIN, {}, ""},
        {"full cast at its end", kMaxScan, kMaxScan - 1, {2, 3}, "  4990."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Listing l(7, row.npts);
        listcast(l.f.viewer, row.p);
        EXPECT_EQ(l.list.of(Op::LineBox).size(), 6u);
        std::vector<double> ys;
        for (const auto& call : l.list.of(Op::Print)) ys.push_back(call.b);
        EXPECT_EQ(ys, row.ys);
        if (!ys.empty()) {
            EXPECT_EQ(l.list.texts().front().substr(0, 7), row.first);
        }
    }
}

TEST(VScroll1Change, ListsFromTheScrollBoxValue) {
    Listing l(2, 20);
    ScrollBar& bar = l.f.lister.scroll;
    bar.Min(1);
    bar.Max(20);
    l.list.clear();
    bar.Value(16);
    auto texts = l.list.texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts.front().substr(0, 7), "   160.");

    // A shorter range moves the box; the listing follows it.
    l.f.d.npts[2] = 4;
    l.list.clear();
    bar.Max(4);
    texts = l.list.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.front().substr(0, 7), "    40.");
}

}  // namespace

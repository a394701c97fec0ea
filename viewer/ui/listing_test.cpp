#include "ui/listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// Cast `cast` of `npts` scans listed from scan `p`: each of the six rows is
// blanked by a solid box, then printed at y = row + 1; scans outside stay blank.
TEST(Listcast, RowsBlankedThenPrintedInTheFormOfTheLayout) {
    const std::string base = "    12.  05.50   33.100";
    // clang-format off
    struct Row { const char* name; int cast, npts, p; double ncol, temp; std::vector<double> ys; std::string first; };
    const Row rows[] = {
        {"six scans of six values", 7, 20, 1, 5, 5.5, {2, 3, 4, 5, 6, 7}, base + "    0.50    25.123    4.25"},
        {"scrolled to the last scan", 7, 10, 10, 5, 5.5, {2}, "   102.  05.50   33.100    0.50    25.123    4.25"},
        {"scan 0 and below", 7, 10, -1, 5, 5.5, {4, 5, 6, 7}, base + "    0.50    25.123    4.25"},
        {"empty cast", 7, 0, 1, 5, 5.5, {}, ""},
        {"five values", 1, 1, 1, 4, 5.5, {2}, base + "    0.50    25.123"},
        {"no SB911 layout, cast 50", 50, 1, 1, 0, 5.5, {2}, base + "            25.123"},
        {"no SB911 layout, cast 49", 49, 1, 1, 0, 5.5, {}, ""},
    };  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        f.d.npts[row.cast] = row.npts, f.d.curcast = row.cast, f.d.ncol = row.ncol;
        for (int k = 1; k <= row.npts; ++k) {
            const double values[] = {0, 10.0 * k + 2.3, row.temp, 33.1, 0.5, 25.1234, 4.25};
            for (int v = kDepth; v <= kTrans; ++v) f.d.castdat(row.cast, k, v) = values[v];
        }
        f.lister.list.ForeColor(rgb(0, 0, 128));
        f.lister.list.clear();
        listcast(f.viewer, row.p);
        const auto boxes = f.lister.list.of(Op::LineBox);
        ASSERT_EQ(boxes.size(), 6u);
        for (const auto& c : boxes)
            EXPECT_TRUE(c.state.fore == c.state.back && c.state.fill == c.state.back &&
                        c.state.fill_style == kFillSolid);
        std::vector<double> ys;
        for (const auto& c : f.lister.list.of(Op::Print)) {
            ys.push_back(c.b);
            EXPECT_EQ(std::pair(c.a, c.state.fore), std::pair(2.0, rgb(0, 0, 128)));
        }
        EXPECT_EQ(ys, row.ys);
        const auto texts = f.lister.list.texts();
        EXPECT_EQ(texts.empty() ? "" : texts[0], row.first);
    }
}

}  // namespace

#include "ui/limits.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "testing/fake_windows.h"

namespace {

// The dialog's title, texts, bar values and the bars' ends (top, bottom).
auto dialog(const FakeLimitDialog& b) {
    return std::tuple(b.visible, b.caption, b.min_text, b.max_text, b.min_bar.Value(), b.max_bar.Value(),
                      b.min_bar.Min(), b.min_bar.Max(), b.max_bar.Min(), b.max_bar.Max());
}

// Limits not whole show as they are, the bars rounding halves to even. OK
// stores a pair in order, closes and redraws; a pair not in order (equal
// included) sets the bars to their ends, which a second press refuses again.
TEST(LimitOk, StoresPairsInOrderAndRefusesTheRest) {
    // clang-format off
    struct Row { const char* name; int a, b; double lo, hi; bool visible; };
    const Row rows[] = {{"as shown", 4, 10, 4, 10, false}, {"equal", 12, 12, 4.5, 9.5, true},
                        {"reversed", 20, 4, 4.5, 9.5, true}};  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        f.d.axlim(kTemp, 1) = 4.5, f.d.axlim(kTemp, 2) = 9.5;
        f.d.curcast = 1, f.d.npts[1] = 1, f.d.castdat(1, 1, kDepth) = 50, f.d.castdat(1, 1, kTemp) = 7;
        quenvar::temp_Click(f.viewer);
        EXPECT_EQ(dialog(f.limitbox), std::tuple(true, "temperature", " 4.5", " 9.5", 4, 10, 30, -2, 30, -2));
        f.limitbox.min_bar.Value(row.a), f.limitbox.max_bar.Value(row.b);
        for (int press = 1; press <= 2; ++press) limitbox::limitok_Click(f.viewer);
        EXPECT_EQ(std::tuple(f.d.axlim(kTemp, 1).value(), f.d.axlim(kTemp, 2).value(), f.limitbox.visible),
                  std::tuple(row.lo, row.hi, row.visible));
        const RecordingSurface& s = f.quenvar.plot;
        if (row.visible) {
            EXPECT_EQ(dialog(f.limitbox), std::tuple(true, "temperature", " 30", "-2", 30, -2, 30, -2, 30, -2));
            EXPECT_TRUE(s.calls().empty());
            continue;
        }
        EXPECT_EQ(std::tuple(s.calls().at(0).op, s.texts().at(1), s.texts().at(2)),
                  std::tuple(RecordingSurface::Op::Cls, "4.0", "10.0"));
        const auto end = last(s.of(RecordingSurface::Op::Line));
        EXPECT_EQ(std::pair(end.a, end.b), std::pair(50.0, 50.0)) << "the cast at the new limits";
    }
}

}  // namespace

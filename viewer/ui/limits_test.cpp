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

// Each menu entry opens the dialog on its variable at the start-up limits. The
// top end holds the larger value: an arrow up raises the min bar by the step,
// a trough click below lowers the max bar by 1.
TEST(Showlimits, OpensEachMenuEntryOnItsVariable) {
    struct Row { const char* name; void (*click)(Viewer&); std::string title; int lo, hi, top, bottom, up, down; };
    const Row rows[] = {
        {"depth", quenvar::depth_Click, "  depth", 0, 100, 500, 0, 5, 99},
        {"temperature", quenvar::temp_Click, "temperature", 2, 22, 30, -2, 3, 21},
        {"salinity", quenvar::salt_Click, " salinity  ", 31, 36, 37, 28, 32, 35},
        {"fluorescence", quenvar::fluor_Click, "fluoresence", 0, 5, 5, 0, 1, 4},
        {"sigma-t", quenvar::sigma_Click, "  sigma-t  ", 23, 28, 28, 22, 24, 27},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        row.click(f.viewer);
        const auto text = [](int x) { return " " + std::to_string(x); };
        EXPECT_EQ(dialog(f.limitbox), std::tuple(true, row.title, text(row.lo), text(row.hi), row.lo, row.hi, row.top,
                                                 row.bottom, row.top, row.bottom));
        f.limitbox.min_bar.arrow_up();
        f.limitbox.max_bar.page_down();
        EXPECT_EQ(std::pair(f.limitbox.min_text, f.limitbox.max_text), std::pair(text(row.up), text(row.down)));
    }
}

// Limits that are not whole show as they are while the bars take the nearest
// integer, halves to even. OK stores a pair in order, closes the dialog and
// redraws the frame and the cast; a pair not in order sets the bars to their
// ends, 30 over -2, which a second press refuses again.
TEST(LimitOk, StoresPairsInOrderAndRefusesTheRest) {
    struct Row { const char* name; int a, b; double lo, hi; bool visible; };
    const Row rows[] = {{"as shown", 4, 10, 4, 10, false}, {"equal", 12, 12, 4.5, 9.5, true},
                        {"reversed", 20, 4, 4.5, 9.5, true}};
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

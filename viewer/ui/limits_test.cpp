#include "ui/limits.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// The dialog's texts and bar values, and the bars' ends (top, bottom).
auto dialog(const FakeLimitDialog& b) {
    return std::tuple(b.caption, b.min_text, b.max_text, b.min_bar.Value(), b.max_bar.Value(), b.min_bar.Min(),
                      b.min_bar.Max(), b.max_bar.Min(), b.max_bar.Max());
}

// Each menu entry opens the dialog on its variable at the start-up limits. The
// top end holds the larger value: an arrow up raises the min bar by the step,
// a trough click below lowers the max bar by 1.
TEST(Showlimits, OpensEachMenuEntryOnItsVariable) {
    struct Row {
        const char* name;
        void (*click)(Viewer&);
        int selvar;
        std::string title, min_text, max_text;
        int min_value, max_value, top, bottom;
        std::string after_arrow_up, after_trough_down;
    };
    const Row rows[] = {
        {"depth", quenvar::depth_Click, 1, "  depth", " 0", " 100", 0, 100, 500, 0, " 5", " 99"},
        {"temperature", quenvar::temp_Click, 2, "temperature", " 2", " 22", 2, 22, 30, -2, " 3", " 21"},
        {"salinity", quenvar::salt_Click, 3, " salinity  ", " 31", " 36", 31, 36, 37, 28, " 32", " 35"},
        {"fluorescence", quenvar::fluor_Click, 4, "fluoresence", " 0", " 5", 0, 5, 5, 0, " 1", " 4"},
        {"sigma-t", quenvar::sigma_Click, 5, "  sigma-t  ", " 23", " 28", 23, 28, 28, 22, " 24", " 27"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        setup(f.viewer);
        row.click(f.viewer);
        EXPECT_EQ(f.d.selvar.value(), row.selvar);
        EXPECT_TRUE(f.limitbox.visible);
        EXPECT_EQ(dialog(f.limitbox), std::tuple(row.title, row.min_text, row.max_text, row.min_value, row.max_value,
                                                 row.top, row.bottom, row.top, row.bottom));
        f.limitbox.min_bar.arrow_up();
        f.limitbox.max_bar.page_down();
        EXPECT_EQ(std::pair(f.limitbox.min_text, f.limitbox.max_text),
                  std::pair(row.after_arrow_up, row.after_trough_down));
    }
}

// A stored limit that is not whole: the bar takes the nearest integer, halves
// to even, while the text shows the limit itself; OK stores the bars' values.
TEST(Showlimits, FractionalLimitsRoundHalvesToEven) {
    FakeViewer f;
    setup(f.viewer);
    f.d.axlim(kTemp, 1) = 4.5, f.d.axlim(kTemp, 2) = 5.5;
    quenvar::temp_Click(f.viewer);
    EXPECT_EQ(dialog(f.limitbox), std::tuple("temperature", " 4.5", " 5.5", 4, 6, 30, -2, 30, -2));
    limitbox::limitok_Click(f.viewer);
    EXPECT_EQ(std::pair(f.d.axlim(kTemp, 1).value(), f.d.axlim(kTemp, 2).value()), std::pair(4.0, 6.0));
}

TEST(LimitOk, AcceptedPairIsStoredAndRedrawn) {
    FakeViewer f;
    setup(f.viewer);
    f.d.curcast = 1, f.d.npts[1] = 1, f.d.castdat(1, 1, kDepth) = 50;
    f.d.castdat(1, 1, kTemp) = 7;  // x = 50 on 4..10
    f.d.castfile[1] = "c1.PRE";
    quenvar::temp_Click(f.viewer);
    f.limitbox.min_bar.Value(4);
    f.limitbox.max_bar.Value(10);
    limitbox::limitok_Click(f.viewer);
    EXPECT_EQ(std::pair(f.d.axlim(kTemp, 1).value(), f.d.axlim(kTemp, 2).value()), std::pair(4.0, 10.0));
    EXPECT_FALSE(f.limitbox.visible);
    const RecordingSurface& s = f.quenvar.plot;
    ASSERT_GE(s.texts().size(), 3u);
    EXPECT_EQ(s.calls()[0].op, Op::Cls);
    EXPECT_EQ(s.texts()[1], "4.0");
    EXPECT_EQ(s.texts()[2], "10.0");
    const auto lines = s.of(Op::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::pair(lines.back().a, lines.back().b), std::pair(50.0, 50.0)) << "the cast at the new limits";
    EXPECT_EQ(f.quenvar.captions, std::vector<std::string>{"c1.PRE"});
}

// Pressed twice: the first refusal leaves the bars at their ends, 30 over -2,
// which is refused again.
TEST(LimitOk, RefusesPairsNotInOrder) {
    for (auto [a, b] : {std::pair{12, 12}, {20, 4}}) {
        SCOPED_TRACE(std::to_string(a) + " over " + std::to_string(b));
        FakeViewer f;
        setup(f.viewer);
        quenvar::temp_Click(f.viewer);
        f.limitbox.min_bar.Value(a);
        f.limitbox.max_bar.Value(b);
        for (int press = 1; press <= 2; ++press) {
            limitbox::limitok_Click(f.viewer);
            EXPECT_EQ(std::pair(f.d.axlim(kTemp, 1).value(), f.d.axlim(kTemp, 2).value()), std::pair(2.0, 22.0));
            EXPECT_TRUE(f.limitbox.visible);
            EXPECT_EQ(std::tuple(f.limitbox.min_text, f.limitbox.max_text, f.limitbox.min_bar.Value(),
                                 f.limitbox.max_bar.Value()),
                      std::tuple(" 30", "-2", 30, -2)) << "press " << press;
            EXPECT_TRUE(f.quenvar.plot.calls().empty());
        }
    }
}

}  // namespace

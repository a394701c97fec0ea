#include "ui/limits.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/fake_windows.h"

namespace {

using Op = RecordingSurface::Op;

// Start-up axis limits and dialog settings (the store's starting values).
TEST(Showlimits, OpensEachMenuEntryOnItsVariable) {
    struct Row {
        const char* name;
        void (*click)(Viewer&);
        int selvar;
        std::string title, min_text, max_text;
        int top, bottom, min_value, max_value;
        std::string after_arrow_up, after_trough_down;  // min bar, then max bar
    };
    const Row rows[] = {
        {"depth", quenvar::depth_Click, 1, "  depth", " 0", " 100", 500, 0, 0, 100, " 5", " 99"},
        {"temperature", quenvar::temp_Click, 2, "temperature", " 2", " 22", 30, -2, 2, 22, " 3", " 21"},
        {"salinity", quenvar::salt_Click, 3, " salinity  ", " 31", " 36", 37, 28, 31, 36, " 32", " 35"},
        {"fluorescence", quenvar::fluor_Click, 4, "fluoresence", " 0", " 5", 5, 0, 0, 5, " 1", " 4"},
        {"sigma-t", quenvar::sigma_Click, 5, "  sigma-t  ", " 23", " 28", 28, 22, 23, 28, " 24", " 27"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        setup(f.viewer);
        row.click(f.viewer);
        EXPECT_EQ(f.d.selvar.value(), row.selvar);
        EXPECT_TRUE(f.limitbox.visible);
        EXPECT_EQ(f.limitbox.caption, row.title);
        EXPECT_EQ(f.limitbox.min_text, row.min_text);
        EXPECT_EQ(f.limitbox.max_text, row.max_text);
        for (const ScrollBar* bar : {&f.limitbox.min_bar, &f.limitbox.max_bar}) {
            EXPECT_EQ(bar->Min(), row.top);
            EXPECT_EQ(bar->Max(), row.bottom);
        }
        EXPECT_EQ(f.limitbox.min_bar.Value(), row.min_value);
        EXPECT_EQ(f.limitbox.max_bar.Value(), row.max_value);
        // The top end holds the larger value: up raises it.
        f.limitbox.min_bar.arrow_up();
        f.limitbox.max_bar.page_down();
        EXPECT_EQ(f.limitbox.min_text, row.after_arrow_up);
        EXPECT_EQ(f.limitbox.max_text, row.after_trough_down);
    }
}

// A stored limit that is not whole: the bar takes the nearest integer, halves
// to even, while the text shows the limit itself.
TEST(Showlimits, FractionalLimitsRoundHalvesToEven) {
    FakeViewer f;
    setup(f.viewer);
    f.d.axlim(kTemp, 1) = 4.5;
    f.d.axlim(kTemp, 2) = 5.5;
    quenvar::temp_Click(f.viewer);
    EXPECT_EQ(f.limitbox.min_bar.Value(), 4);
    EXPECT_EQ(f.limitbox.max_bar.Value(), 6);
    EXPECT_EQ(f.limitbox.min_text, " 4.5");
    EXPECT_EQ(f.limitbox.max_text, " 5.5");
    limitbox::limitok_Click(f.viewer);
    EXPECT_EQ(f.d.axlim(kTemp, 1).value(), 4);
    EXPECT_EQ(f.d.axlim(kTemp, 2).value(), 6);
}

TEST(LimitOk, AcceptedPairRedrawsAxesAndCast) {
    FakeViewer f;
    setup(f.viewer);
    f.d.curcast = 1;
    f.d.npts[1] = 1;
    f.d.castdat(1, 1, kDepth) = 50;
    f.d.castdat(1, 1, kTemp) = 7;  // x = 50 on 4..10
    f.d.castfile[1] = "c1.PRE";
    quenvar::temp_Click(f.viewer);
    f.limitbox.min_bar.Value(4);
    f.limitbox.max_bar.Value(10);
    limitbox::limitok_Click(f.viewer);

    EXPECT_EQ(f.d.axlim(kTemp, 1).value(), 4);
    EXPECT_EQ(f.d.axlim(kTemp, 2).value(), 10);
    EXPECT_FALSE(f.limitbox.visible);
    const RecordingSurface& s = f.quenvar.plot;
    ASSERT_FALSE(s.calls().empty());
    EXPECT_EQ(s.calls()[0].op, Op::Cls);
    const auto texts = s.texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[1], "4.0");
    EXPECT_EQ(texts[2], "10.0");
    const auto lines = s.of(Op::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().a, 50);
    EXPECT_EQ(lines.back().b, 50);
    EXPECT_EQ(f.quenvar.captions.back(), "c1.PRE");
}

TEST(LimitOk, RefusesPairsNotInOrder) {
    struct Row {
        const char* name;
        int a, b;
    };
    const Row rows[] = {{"equal", 12, 12}, {"reversed", 20, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        setup(f.viewer);
        quenvar::temp_Click(f.viewer);
        f.limitbox.min_bar.Value(row.a);
        f.limitbox.max_bar.Value(row.b);
        // Pressed twice: the first refusal leaves the bars at 30 over -2, which
        // is refused again.
        for (int press = 1; press <= 2; ++press) {
            SCOPED_TRACE(press);
            limitbox::limitok_Click(f.viewer);
            EXPECT_EQ(f.d.axlim(kTemp, 1).value(), 2);
            EXPECT_EQ(f.d.axlim(kTemp, 2).value(), 22);
            EXPECT_TRUE(f.limitbox.visible);
            EXPECT_EQ(f.limitbox.min_text, " 30");
            EXPECT_EQ(f.limitbox.max_text, "-2");
            EXPECT_EQ(f.limitbox.min_bar.Value(), 30);
            EXPECT_EQ(f.limitbox.max_bar.Value(), -2);
            EXPECT_TRUE(f.quenvar.plot.calls().empty());
        }
    }
}

}  // namespace

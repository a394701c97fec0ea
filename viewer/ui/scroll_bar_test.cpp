#include "ui/scroll_bar.h"

#include <gtest/gtest.h>

// A bar whose top end holds the larger value, as the limits dialog sets it:
// arrows and trough clicks move towards the end clicked, values are held in
// range, and every move raises the change event once.
TEST(ScrollBar, TopEndLargerArrowsAndTrough) {
    ScrollBar bar;
    bar.Min(30), bar.Max(-2), bar.SmallChange(5), bar.LargeChange(1), bar.Value(10);
    int changes = 0;
    bar.on_change = [&] { ++changes; };
    bar.arrow_up();
    EXPECT_EQ(bar.Value(), 15);
    bar.arrow_down(), bar.arrow_down();
    EXPECT_EQ(bar.Value(), 5);
    bar.page_up();
    EXPECT_EQ(bar.Value(), 6);
    bar.Value(100);
    EXPECT_EQ(bar.Value(), 30);
    bar.arrow_up();  // no move, no event
    EXPECT_EQ(changes, 5);
}

// Narrowing the range moves the value and raises the change event inside the call.
TEST(ScrollBar, RangeChangeMovesTheValueAndRaisesTheEvent) {
    ScrollBar bar;
    bar.Min(1), bar.Max(300), bar.Value(250);
    int seen = -1;
    bar.on_change = [&] { seen = bar.Value(); };
    bar.Max(40);
    EXPECT_EQ(seen, 40);
    seen = -1;
    bar.Max(500);  // the value fits: no event
    EXPECT_EQ(seen, -1);
}

TEST(ScrollBar, ToScrollValueRoundsHalvesToEven) {
    const std::pair<double, int> rows[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {4.4, 4}, {1e9, 32767}, {-1e9, -32768}};
    for (auto [in, out] : rows) EXPECT_EQ(to_scroll_value(in), out) << in;
}

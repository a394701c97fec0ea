#include "ui/scroll_bar.h"

#include <gtest/gtest.h>

// A bar whose top end holds the larger value, as the limits dialog sets it.
TEST(ScrollBar, TopEndLargerArrowsAndTrough) {
    ScrollBar bar;
    int changes = 0;
    bar.on_change = [&] { ++changes; };
    bar.Min(30);
    bar.Max(-2);
    bar.SmallChange(5);
    bar.LargeChange(1);
    bar.Value(10);
    changes = 0;
    bar.arrow_up();
    EXPECT_EQ(bar.Value(), 15);
    bar.arrow_down();
    bar.arrow_down();
    EXPECT_EQ(bar.Value(), 5);
    bar.page_up();
    EXPECT_EQ(bar.Value(), 6);
    EXPECT_EQ(changes, 4);
    bar.Value(100);  // held at the top end
    EXPECT_EQ(bar.Value(), 30);
    bar.arrow_up();  // no move, no event
    EXPECT_EQ(changes, 5);
}

// Narrowing the range moves the value and raises the change event inside the call.
TEST(ScrollBar, RangeChangeMovesTheValueAndRaisesTheEvent) {
    ScrollBar bar;
    bar.Min(1);
    bar.Max(300);
    bar.Value(250);
    int seen = -1;
    bar.on_change = [&] { seen = bar.Value(); };
    bar.Max(40);
    EXPECT_EQ(seen, 40);
    seen = -1;
    bar.Max(500);  // the value fits: no event
    EXPECT_EQ(seen, -1);
}

TEST(ScrollBar, ToScrollValueRoundsHalvesToEven) {
    struct Row {
        const char* name;
        double in;
        int out;
    };
    const Row rows[] = {{"half down to even", 2.5, 2}, {"half up to even", 3.5, 4}, {"negative half", -2.5, -2},
                        {"plain", 4.4, 4},            {"top of 16 bits", 1e9, 32767}, {"bottom", -1e9, -32768}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(to_scroll_value(r.in), r.out);
    }
}

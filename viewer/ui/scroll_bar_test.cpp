#include "ui/scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

// A bar whose top end holds the larger value, as the limits dialog sets it:
// arrows and trough clicks move towards the end clicked, values are held in
// range, and every move, a range change's included, raises the change event
// once, inside the call that made it.
TEST(ScrollBar, MovesAndRaisesTheChangeEventInsideTheCall) {
    ScrollBar bar;
    bar.Min(30), bar.Max(-2), bar.SmallChange(5), bar.Value(10);
    std::vector<int> seen;
    bar.on_change = [&] { seen.push_back(bar.Value()); };
    bar.arrow_up(), bar.arrow_down(), bar.arrow_down(), bar.page_up();
    bar.Value(100);
    bar.arrow_up();  // at the end: no move, no event
    bar.Min(20);     // the value moves into the new range
    bar.Max(-5);     // it fits: no event
    EXPECT_EQ(seen, (std::vector<int>{15, 10, 5, 6, 30, 20}));
}

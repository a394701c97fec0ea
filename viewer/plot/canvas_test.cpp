#include "plot/canvas.h"

#include <gtest/gtest.h>

#include <vector>

// Cast numbers along the section's top: a label is dropped when it starts less
// than the gap past the end of the last one kept; one starting on it is kept.
TEST(ThinLabels, DropsLabelsTouchingTheLastKept) {
    EXPECT_EQ(thin_labels({0, 10, 20, 25, 31, 40}, {9, 19, 29, 34, 40, 49}, 1), (std::vector<int>{0, 1, 2, 4}));
}

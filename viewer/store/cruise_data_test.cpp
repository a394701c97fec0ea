#include "store/cruise_data.h"

#include <gtest/gtest.h>

// Every per-cast column holds casts 0..200 (the month column included, so a cruise of more than 160 casts keeps its
// months); nothing is written past a capacity, and the cube's cells do not overlap.
TEST(CruiseData, CapacitiesHoldAndRefuse) {
    CruiseData d;
    d.month[200] = 12;
    d.castdat(3, 4, 5) = 1;
    d.castdat(3, 5, 4) = 2;
    EXPECT_EQ(d.month[200], 12.0);
    EXPECT_TRUE(!d.month[199].is_set() && d.month[199] + 5.0 == 5.0) << "unset reads as 0";
    EXPECT_EQ(d.castdat(3, 4, 5), 1.0);
    EXPECT_FALSE(d.castdat(4, 3, 5).is_set());
    EXPECT_THROW(d.lat[201] = 1, std::out_of_range);
    EXPECT_THROW(d.castdat(201, 1, 1) = 1, std::out_of_range);
    EXPECT_THROW(d.castdat(1, 501, 1) = 1, std::out_of_range);
    EXPECT_THROW(d.castdat(1, 1, 7) = 1, std::out_of_range);
    EXPECT_THROW(d.axlim(1, 3) = 1, std::out_of_range);
    EXPECT_THROW(d.stddep[21] = 1, std::out_of_range);
    EXPECT_FALSE(d.castdat(200, 500, 6).is_set());
}

// What every user of the store relies on after start-up: each axis minimum below its maximum, each scroll bar's top
// above its bottom, and the load entries still unset.
TEST(StartValues, KeepTheStoreInvariants) {
    CruiseData d;
    set_start_values(d);
    for (int v = 1; v <= kMaxVar; ++v) {
        SCOPED_TRACE(v);
        EXPECT_LT(d.axlim(v, 1), d.axlim(v, 2));
        EXPECT_GT(d.scrlim(v, 1), d.scrlim(v, 2));
    }
    EXPECT_EQ(static_cast<Color>(d.varcol[kDepth]), QBColor(15));
    EXPECT_EQ(std::tuple(d.stddep[16].is_set(), d.ncast.is_set(), d.curcast.is_set(), d.ncol.is_set()),
              std::tuple(false, false, false, false));
}

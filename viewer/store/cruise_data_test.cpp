#include "store/cruise_data.h"

#include <gtest/gtest.h>

#include "store/color.h"

TEST(Cell, UnsetReadsAsZeroYetDiffersFromAStoredZero) {
    Cell unset;
    Cell zero = 0.0;
    EXPECT_FALSE(unset.is_set());
    EXPECT_TRUE(zero.is_set());
    EXPECT_EQ(unset + 5.0, 5.0);
    EXPECT_TRUE(unset < 1.0);
    EXPECT_TRUE(unset == 0.0);
    unset = 2.5;
    EXPECT_TRUE(unset.is_set());
    unset.reset();
    EXPECT_FALSE(unset.is_set());
}

TEST(CruiseData, StartsUnset) {
    CruiseData d;
    EXPECT_FALSE(d.ncast.is_set());
    EXPECT_FALSE(d.curcast.is_set());
    EXPECT_FALSE(d.castdat(200, 500, 6).is_set());
    EXPECT_TRUE(d.castfile[0].empty());
}

// Every per-cast column holds casts 0..200, the month column included: with
// 161 entries a cruise of more than 160 casts could not keep its months.
TEST(CruiseData, EveryCastColumnHoldsTwoHundredCasts) {
    CruiseData d;
    d.month[200] = 12;
    d.month[161] = 7;
    EXPECT_EQ(d.month[200], 12.0);
    EXPECT_EQ(d.month[161], 7.0);
    d.castno[200] = "200";
    d.npts[200] = 500;
    EXPECT_EQ(d.npts[200], 500.0);
}

TEST(CruiseData, WritesPastACapacityAreRefused) {
    CruiseData d;
    EXPECT_THROW(d.lat[201] = 1, std::out_of_range);
    EXPECT_THROW(d.month[-1] = 1, std::out_of_range);
    EXPECT_THROW(d.castdat(201, 1, 1) = 1, std::out_of_range);
    EXPECT_THROW(d.castdat(1, 501, 1) = 1, std::out_of_range);
    EXPECT_THROW(d.castdat(1, 1, 7) = 1, std::out_of_range);
    EXPECT_THROW(d.axlim(1, 3) = 1, std::out_of_range);
    EXPECT_THROW(d.scrlim(7, 1) = 1, std::out_of_range);
    EXPECT_THROW(d.stddep[21] = 1, std::out_of_range);
    // The neighbours of the refused cells are untouched.
    EXPECT_FALSE(d.castdat(200, 500, 6).is_set());
}

TEST(CruiseData, CubeCellsAreDistinct) {
    CruiseData d;
    d.castdat(3, 4, 5) = 1;
    d.castdat(3, 5, 4) = 2;
    d.castdat(4, 3, 5) = 3;
    EXPECT_EQ(d.castdat(3, 4, 5), 1.0);
    EXPECT_EQ(d.castdat(3, 5, 4), 2.0);
    EXPECT_EQ(d.castdat(4, 3, 5), 3.0);
    EXPECT_FALSE(d.castdat(4, 5, 3).is_set());
}

TEST(StartValues, VariableTable) {
    struct Row {
        int v;
        const char* name;
        Color colour;
        double min, max, top, bottom, step;
    };
    // The start values of the variable table.
    const Row rows[] = {
        {1, "  depth", rgb(255, 255, 255), 0, 100, 500, 0, 5},
        {2, "temperature", rgb(0, 0, 128), 2, 22, 30, -2, 1},
        {3, " salinity  ", rgb(0, 128, 128), 31, 36, 37, 28, 1},
        {4, "fluoresence", rgb(128, 0, 128), 0, 5, 5, 0, 1},
        {5, "  sigma-t  ", rgb(128, 0, 0), 23, 28, 28, 22, 1},
        {6, "   trans   ", rgb(128, 128, 0), 0, 5, 5, 3, 1},
    };
    CruiseData d;
    set_start_values(d);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(d.varname[r.v], r.name);
        EXPECT_EQ(static_cast<Color>(d.varcol[r.v]), r.colour);
        EXPECT_EQ(d.axlim(r.v, 1), r.min);
        EXPECT_EQ(d.axlim(r.v, 2), r.max);
        EXPECT_EQ(d.scrlim(r.v, 1), r.top);
        EXPECT_EQ(d.scrlim(r.v, 2), r.bottom);
        EXPECT_EQ(d.scrlim(r.v, 3), r.step);
        EXPECT_GT(d.scrlim(r.v, 1), d.scrlim(r.v, 2));
    }
    EXPECT_FALSE(d.varcol[0].is_set());
    EXPECT_FALSE(d.axlim(1, 0).is_set());
    EXPECT_FALSE(d.scrlim(1, 0).is_set());
}

TEST(StartValues, StandardDepthsMarkerAndUnsetScalars) {
    CruiseData d;
    set_start_values(d);
    const double depths[] = {1, 5, 10, 15, 20, 25, 30, 40, 50, 75, 100, 150, 200, 250, 300};
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(d.stddep[i], depths[i - 1]) << "slot " << i;
    for (int i : {0, 16, 20}) EXPECT_FALSE(d.stddep[i].is_set()) << "slot " << i;
    EXPECT_DOUBLE_EQ(d.stnrad, 0.08);
    EXPECT_FALSE(d.ncast.is_set());
    EXPECT_FALSE(d.curcast.is_set());
    EXPECT_FALSE(d.ncol.is_set());
    EXPECT_FALSE(d.selvar.is_set());
}

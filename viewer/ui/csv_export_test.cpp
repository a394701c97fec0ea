#include "ui/csv_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "readers/scratch_folder.h"

namespace {

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Cast 1 as an SB911 load leaves it, cast 2 without a cast file (skipped),
// cast 3 south and east with its time and fluorescence unset.
TEST(CsvExport, RowsQuotingAndUnsetCells) {
    CruiseData d;
    d.ncast = 3;
    d.castfile[1] = "/x/EN617d001.PRE";
    d.castno[1] = " 01";
    d.stdsta[1] = "L,\"2";
    d.lat[1] = 41.2;
    d.lon[1] = 70.885;
    for (Cell* c : {&d.year[1], &d.month[1], &d.day[1]}) *c = 18;
    d.hour[1] = 17.4;
    d.npts[1] = 2;
    for (int j = 1; j <= 2; ++j)
        for (int v = kDepth; v <= kTrans; ++v) d.castdat(1, j, v) = j * 10 + v + 0.1;
    d.npts[2] = 5;
    d.castfile[3] = "/x/b.cnv";
    d.castno[3] = "046";
    d.lat[3] = -0.5;
    d.lon[3] = -1e-7;
    d.npts[3] = 1;
    d.castdat(3, 1, kDepth) = 0;
    d.castdat(3, 1, kTemp) = -1.5;
    ScratchFolder folder;
    const std::string path = folder.write("out.csv", "an older export\n");
    std::string why;
    ASSERT_TRUE(write_csv(d, path, why)) << why;
    EXPECT_EQ(read_all(path), std::string(kCsvHeading) + "\n"
                              "1,\" 01\",\"L,\"\"2\",41.2,-70.885,18,18,18,17.4,11.1,12.1,13.1,14.1,15.1,16.1\n"
                              "1,\" 01\",\"L,\"\"2\",41.2,-70.885,18,18,18,17.4,21.1,22.1,23.1,24.1,25.1,26.1\n"
                              "3,046,,-0.5,1e-07,,,,,0,-1.5,,,,\n");

    EXPECT_FALSE(write_csv(d, folder.path(""), why));
    EXPECT_EQ(why, "is not a regular file (a folder)");
    EXPECT_FALSE(write_csv(d, folder.path("none/out.csv"), why));
    EXPECT_EQ(why, "cannot be written: No such file or directory");
}

}  // namespace

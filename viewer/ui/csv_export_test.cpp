#include "ui/csv_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "testing/scratch_folder.h"

namespace {

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Cast 1 with texts to quote and a position, cast 2 without a cast file
// (skipped), cast 3 with only a depth of 0 and a temperature (the rest unset).
TEST(CsvExport, RowsQuotingAndUnsetCells) {
    CruiseData d;
    d.ncast = 3;
    d.castfile[1] = d.castfile[3] = "/x/c.cnv";
    d.castno[1] = " 01";
    d.stdsta[1] = "L,\"2";
    d.lat[1] = 41.2;
    d.lon[1] = 70.885;
    d.npts[1] = d.npts[2] = d.npts[3] = 1;
    for (int v = kDepth; v <= kTrans; ++v) d.castdat(1, 1, v) = 10 + v + 0.1;
    d.castdat(3, 1, kDepth) = -0.0;
    d.castdat(3, 1, kTemp) = -1e-7;
    ScratchFolder folder;
    const std::string path = folder.write("out.csv", "an older export\n");
    std::string why;
    ASSERT_TRUE(write_csv(d, path, why)) << why;
    EXPECT_EQ(read_all(path), std::string(kCsvHeading) + "\n"
                              "1,\" 01\",\"L,\"\"2\",41.2,-70.885,,,,,11.1,12.1,13.1,14.1,15.1,16.1\n"
                              "3,,,,,,,,,0,-1e-07,,,,\n");
    EXPECT_FALSE(write_csv(d, folder.path(""), why));
    EXPECT_EQ(why, "is not a regular file (a folder)");
}

}  // namespace

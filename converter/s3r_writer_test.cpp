#include "s3r_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvane {
namespace {

// Whole files are checked in converter_driver_test.cpp.
TEST(S3rRecord, ThirtyColumns)
{
    EXPECT_EQ(s3r_record(1, -75.0f, 25.5f), "    1  -0.7500E+02  0.2550E+02");
    EXPECT_EQ(s3r_record(7001, 0.0f, -0.0f), " 7001   0.0000E+00  0.0000E+00");
}

TEST(WriteS3r, NoNodesGivesTheThreeHeaderLinesAndLongTitlesAreCut)
{
    NodeTable z(1, nvdim);
    std::ostringstream out;
    write_s3r(out, std::string(80, 'm'), 0, 30, z, z);
    EXPECT_EQ(out.str(), std::string(72, 'm') + "\n nodal values of sigt:  i,z,sigt\n 30\n");
}

}  // namespace
}  // namespace halvane

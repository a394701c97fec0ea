#include "s3r_writer.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

// Whole files are checked in halvane_program_test.cpp.
TEST(S3rRecord, ThirtyColumns)
{
    EXPECT_EQ(s3r_record(1, -75.0f, 25.5f), "    1  -0.7500E+02  0.2550E+02");
    EXPECT_EQ(s3r_record(7001, 0.0f, -0.0f), " 7001   0.0000E+00  0.0000E+00");
}

}  // namespace
}  // namespace halvane

#include "readers/cnv_position.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string text(const std::optional<Angle>& a) {
    char out[40] = "-";
    if (a) std::snprintf(out, sizeof out, "%c%g %.4f", a->positive ? '+' : '-', a->degrees, a->minutes);
    return out;
}

// Positions as NMEA lines, operators and other programs write them.
TEST(CnvHeader, PositionForms) {
    // clang-format off
    const struct { const char* name; std::string value; char axis; const char* angle; } rows[] = {
        {"letter first, no blank", "N44 41.056", 'N', "+44 41.0560"},
        {"Latin-1 degree sign, blanks", "41\xB0 11.84' N", 'N', "+41 11.8400"},
        {"typographic marks", "50\xC2\xB0" "19.689\xE2\x80\x99N", 'N', "+50 19.6890"},
        {"degrees, minutes, seconds", "41\xC2\xBA 11' 50.4\" s", 'N', "-41 11.8400"},
        {"signed decimal degrees", "-70.8688", 'E', "-70 52.1280"},
        {"letter first, apart, lower case", "s 41 11.8", 'N', "-41 11.8000"},
        {"raw NMEA longitude", "07030.00 W", 'E', "-70 30.0000"},
        {"the pole", "90 00.00 N", 'N', "+90 0.0000"},
        {"minutes of exactly 60", "41 60.00 N", 'N', "-"},
        {"seconds of exactly 60", "41 11 60 N", 'N', "-"},
        {"beyond the pole", "90 00.01 N", 'N', "-"},
        {"a letter of the other axis", "4 N", 'E', "-"},
        {"a sign and a letter", "-41 11.8 S", 'N', "-"},
        {"fractional degrees with minutes", "41.5 11.8", 'N', "-"},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(text(parse_angle(row.value, row.axis)), row.angle) << row.name;
}

}  // namespace

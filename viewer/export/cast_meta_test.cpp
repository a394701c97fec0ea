#include "export/cast_meta.h"

#include <gtest/gtest.h>

namespace {

// Check values: `date -u -d 2018-07-20T17:24:00 +%s` and the like.
TEST(CastMeta, CastTimeReadsTwoDigitYearsAndRefusesImpossibleDates) {
    // clang-format off
    const struct { const char* name; Cell year, month, day, hour; std::optional<double> seconds; } rows[] = {
        {"SB911 cast, 18 is 2018", 18, 7, 20, 17.4, 1532107440}, {"69 is 2069", 69, 1, 1, 0, 3124224000},
        {"70 is 1970", 70, 1, 1, 0, 0}, {"0 is 2000, a leap year", 0, 2, 29, 0, 951782400},
        {"a full year is kept", 2018, 7, 20, 17.4, 1532107440}, {"29 February of 2019", 19, 2, 29, 0, {}},
        {"31 April", 18, 4, 31, 0, {}}, {"month 13", 18, 13, 1, 0, {}}, {"month 0", 18, 0, 1, 0, {}},
        {"hour 24", 18, 7, 20, 24, {}}, {"last moment of a year", 18, 12, 31, 23.999, 1546300796.4},
        {"half a day", 18, 7, 20.5, 1, {}}, {"no year (a Bongo-SB tow)", {}, 7, 20, 23.6, {}},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CruiseData d;
        d.year[1] = row.year, d.month[1] = row.month, d.day[1] = row.day, d.hour[1] = row.hour;
        const auto t = cast_time(d, 1);
        ASSERT_EQ(t.has_value(), row.seconds.has_value());
        EXPECT_NEAR(t.value_or(0), row.seconds.value_or(0), 1e-3);
    }
    EXPECT_EQ(iso_time(1546300799.9996, 3), "2019-01-01T00:00:00.000");  // rounds into the next year
    EXPECT_EQ(iso_time(-0.5), "1969-12-31T23:59:59");                    // half a second rounds away from zero
}

}  // namespace

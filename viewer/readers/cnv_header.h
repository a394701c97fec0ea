#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "readers/cnv_position.h"

// What the header of a .cnv file (the lines before *END*) says of its cast.

// A date, with the time of day where the line gives one.
struct CastTime {
    int year = 0, month = 0, day = 0;
    std::optional<double> hour;  // decimal hours
};

// A time line's value: "Jun 05 2024 10:25:40" (Sea-Bird), "Wed Jun 05 10:25:40
// 2024" (the C library's form), "05 Jun 2024 10:25:40" or "2024-06-05
// 10:25:40" (also with a T), seconds optional and fractional; anything after
// it ignored ("[NMEA time, header]"). Nothing for "none" and the like.
[[nodiscard]] std::optional<CastTime> parse_time(std::string_view value);

// A "** Date:" value: "2024-06-05", "2024/06/05", or a month name with the day
// and year in either order ("Jun 05 2024", "5 June 2024", "05-Jun-24"), a four-
// digit number first being the year. Day-month orders of numbers alone
// ("05/06/2024") are ambiguous and give nothing. The hour is left unset.
[[nodiscard]] std::optional<CastTime> parse_date(std::string_view value);

// A time of day "10:23" or "10:23:11.5" as decimal hours, anything after it ignored.
[[nodiscard]] std::optional<double> parse_clock(std::string_view value);

// The name and description of data column i: "# name 3 = sal00: Salinity,
// Practical [PSU]" gives "sal00" and "Salinity, Practical [PSU]".
struct CnvColumn {
    std::string name, description;
};

struct CnvHeader {
    std::vector<CnvColumn> columns;  // column i; an empty name where none is given
    std::optional<double> bad_flag;  // as "# bad_flag =" declares it
    std::optional<Angle> nmea_lat, nmea_lon, user_lat, user_lon;
    std::optional<Angle> bare_lat, bare_lon;       // "**" lines holding a position alone
    std::array<std::optional<CastTime>, 4> times;  // NMEA UTC, start_time, System UTC, System UpLoad Time
    std::optional<CastTime> user_date;             // "** Date:"
    std::optional<double> user_clock;              // "** Time:", decimal hours
    std::optional<std::string> station;            // UTF-8
    std::optional<double> bottom;                  // metres
    std::optional<int> nquan;                      // the column count "# nquan =" declares

    // The NMEA pair, else the named "**" pair, else the unnamed one; nothing
    // without a whole pair. A NMEA position of exactly 0° N 0° E is a
    // receiver without a fix.
    std::optional<std::pair<Angle, Angle>> position() const;
    // The first of the NMEA time, start_time, the "** Date:" and "** Time:"
    // lines, System UTC and System UpLoad Time that was read; a date without
    // a time of day leaves the hour unset.
    std::optional<CastTime> time() const;
};

// Stations longer than this are cut (at a character boundary).
inline constexpr std::size_t kMaxStationBytes = 256;

// One header line into `h`. False, with `why` naming the line, for a line the
// load cannot go on with: a binary file ("# file_type = binary"), a column
// index beyond kMaxColumns.
[[nodiscard]] bool read_header_line(std::string_view line, int line_number, CnvHeader& h, std::string& why);

inline constexpr int kMaxColumns = 1000;

// Some writers number the columns from 1: "# name 1 =" to "# name N =" under
// "# nquan = N". Their names move down one place, so that column i is item i
// of a scan line; other headers are left as they are.
void number_columns_from_zero(CnvHeader& h);

// The cast number of a file: the last run of digits of its name without the
// extension, leading zeros dropped, at least three digits ("Station_46.cnv"
// gives "046"); `place` (the cast's place in the load) when it has none.
[[nodiscard]] std::string cast_number(const std::string& path, int place);

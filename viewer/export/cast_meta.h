#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/cruise_data.h"

// What the data exports need to know about the stored casts beyond their
// cells: which casts there are, where they came from, and when they were made.

// What an export says about how it was made, from its caller.
struct ExportInfo {
    std::string program;      // name and version: "quenvar9 0.1.0"
    std::string command;      // the command line, or the menu entry that asked for it
    std::time_t created = 0;  // when, seconds since 1970-01-01 UTC
};

// The casts an export writes: 1 to ncast, those a load filled (their cast
// file is named), in order.
[[nodiscard]] std::vector<int> exported_casts(const CruiseData& d);

// The format a cast was loaded from, by its cast file: "SB911" (.PRE),
// "Bongo-SB" (.asc) or "CNV" (.cnv), in any letter case; "" for another name.
[[nodiscard]] std::string cast_format(const CruiseData& d, int c);

// The cruise a cast belongs to: for an SB911 cast the name of its cruise
// header without the extension (cast file EN617d001.PRE: "EN617"), for any
// other the name of the folder holding its cast file.
[[nodiscard]] std::string cruise_name(const CruiseData& d, int c);

// The cast's time in seconds since 1970-01-01 00:00:00 UTC, from year, month,
// day and decimal hours (GMT). A year below 100 holds two digits: 19yy for
// yy >= 70, 20yy below. Nothing when a part is unset, not a whole number
// where it must be one, or out of its range (month 1 to 12, the day within
// its month, the hour from 0 to below 24).
[[nodiscard]] std::optional<double> cast_time(const CruiseData& d, int c);

// `seconds` since 1970 UTC as ISO 8601, "2018-07-21T02:58:44" with
// `decimals` (0 to 3) digits of the second after a point, rounded.
[[nodiscard]] std::string iso_time(double seconds, int decimals = 0);

// Text from the store as a data file holds it: utf8_text, without the blanks
// of a fixed-width column around it.
[[nodiscard]] std::string clean_text(std::string_view text);

// The cell's value when it is set and finite: what every export writes;
// nothing (an empty field, a fill value) otherwise.
[[nodiscard]] std::optional<double> finite_value(const Cell& cell);

#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "files/output_file.h"
#include "store/cruise_data.h"

// The loaded casts as comma-separated values, for spreadsheets and scripts.

inline constexpr const char* kCsvHeading =
    "cast,castno,station,latitude,longitude,year,month,day,hour,depth,temperature,salinity,fluorescence,"
    "sigma_t,transmission";

// The heading line, then one row per stored scan of every cast 1 to ncast
// that a load filled (its cast file is named), in cast order, handed to
// `out` in pieces of about 64 KiB; stops when `out` returns false. latitude
// is decimal degrees north and longitude decimal degrees east (negative
// west); every other value as stored. Numbers in the shortest form that reads
// back as the same double; an unset or non-finite cell is an empty field.
// Text fields as csv_field gives them. Lines end in LF. False when `out` did.
bool csv_blocks(const CruiseData& d, const std::function<bool(std::string_view)>& out);

// csv_blocks into the file `path` through the output writer (OutputFile),
// so an existing file is replaced only by a whole one. False with the reason
// in `why`.
[[nodiscard]] bool write_csv(const CruiseData& d, const std::string& path, std::string& why,
                             const OutputRules& rules = {});

// The shortest decimal text that reads back as x ("0.1", "1e+20"); 0 for -0.
[[nodiscard]] std::string shortest_number(double x);

// A text field from the store: valid UTF-8 without control characters
// (utf8_text); then, when it begins with '=', '+', '-', '@', tab or CR and is
// not a number, a leading "'" so that a spreadsheet takes it as text and never
// as a formula; then quoted, its quotes doubled, when it holds a comma, a
// quote, CR or LF, or starts or ends with a blank.
[[nodiscard]] std::string csv_field(std::string_view text);

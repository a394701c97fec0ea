#pragma once

#include <string>
#include <string_view>

#include "store/cruise_data.h"
#include "ui/viewer.h"

// The loaded casts as comma-separated values, for spreadsheets and scripts.

inline constexpr const char* kCsvHeading =
    "cast,castno,station,latitude,longitude,year,month,day,hour,depth,temperature,salinity,fluorescence,"
    "sigma_t,transmission";

// Writes the heading line, then one row per stored scan of every cast 1 to
// ncast that a load filled (its cast file is named), in cast order. latitude
// is decimal degrees north and longitude decimal degrees east (negative
// west); every other value as stored. Numbers in the shortest form that reads
// back as the same double, an unset cell as an empty field, text quoted when
// RFC 4180 needs it (and when it starts or ends with a blank). Lines end in LF.
//
// The file is written beside `path` under a temporary name and renamed into
// place only when complete, so an existing file is replaced only by a whole
// one. A `path` that exists and is not a regular file is refused. False with
// the reason in `why`.
[[nodiscard]] bool write_csv(const CruiseData& d, const std::string& path, std::string& why);

// The shortest decimal text that reads back as x ("0.1", "1e+20"); 0 for -0.
[[nodiscard]] std::string shortest_number(double x);

// A text field, quoted and its quotes doubled when it holds a comma, a quote,
// CR or LF, or starts or ends with a blank.
[[nodiscard]] std::string csv_text(std::string_view text);

// casts.csv in the report folder.
[[nodiscard]] std::string csv_path(const Viewer& v);

// "Export CSV": writes `output`, or csv_path(v) when it is empty; the main
// window's status bar names the file written or says why it was not. True
// when it was written.
bool export_csv(Viewer& v, const std::string& output = {});

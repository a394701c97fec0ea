#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "export/cast_meta.h"
#include "files/output_file.h"
#include "store/cruise_data.h"

// The loaded casts as an Ocean Data View generic spreadsheet, which ODV
// imports as it stands.
//
// UTF-8 text, fields separated by tabs, lines ending in LF. First comment
// lines starting with "//": the encoding, the data field and type, the
// program, the time it was made and one line per cast file read. Then the
// label line:
//   Cruise, Station, Type, yyyy-mm-ddThh:mm:ss.sss, Longitude [degrees_east],
//   Latitude [degrees_north], Bot. Depth [m], Depth [m], Temperature [°C],
//   Salinity [psu], Fluorescence, Sigma-t [kg/m^3], and Transmission [%]
//   only when ncol is 5;
// then one row per stored scan of the casts exported_casts gives: the cruise
// (cruise_name), the cast number as the station, "C" (a CTD cast), the
// cast's time (cast_time) to the millisecond, its position and bottom depth,
// the scan's values in the shortest form that reads back the same. Text
// cells are valid UTF-8 without control characters; what is unknown, unset
// or not finite is an empty cell.

// The whole file, handed to `out` in pieces of about 64 KiB; stops when `out`
// returns false. False when `out` did.
bool odv_blocks(const CruiseData& d, const ExportInfo& info, const std::function<bool(std::string_view)>& out);

// odv_blocks into the file `path` through the output writer. False with the
// reason in `why`.
[[nodiscard]] bool write_odv(const CruiseData& d, const ExportInfo& info, const std::string& path, std::string& why,
                             const OutputRules& rules = {});

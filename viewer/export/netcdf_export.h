#pragma once

#include <string>

#include "export/cast_meta.h"
#include "files/output_file.h"
#include "store/cruise_data.h"

// The loaded casts as NetCDF for CF readers (xarray, Panoply, ERDDAP) and the
// archives: NetCDF-4 classic model, every variable compressed (deflate level
// 4, shuffle), CF 1.8 and ACDD 1.3 attributes, in the layout of the NCEI
// profile template for profiles of unequal length (the incomplete
// multidimensional array):
//
// - dimensions profile (the casts exported_casts gives), obs (the longest
//   cast's scan count, at least 1; not named z, which xarray would refuse
//   beside the two-dimensional variable z) and name_strlen (the longest cast
//   number or station name, at least 1);
// - per profile: profile (the cast number as text, cf_role profile_id), time
//   (cast_time, seconds since 1970-01-01 00:00:00 UTC), lat (degrees_north),
//   lon (degrees_east), station (text), bottom_depth (m);
// - per profile and scan: z (depth, m, positive down), temperature
//   (degree_Celsius), salinity (practical, 1), fluorescence, sigma_t (kg m-3)
//   and, when ncol is 5, transmission, each with coordinates "time lat lon
//   z"; fluorescence and transmission as the source files give them, whose
//   units the store does not keep: no units attribute, a comment saying so;
// - global attributes Conventions, featureType, ncei_template_version, title
//   (the cruise names), summary, date_created, history (program and command),
//   source (the formats loaded), the geospatial and time coverage of what is
//   known, and their units.
//
// Whatever is unset, not finite or beyond a float's range (a scan past a
// cast's last, a cast without a position, date or bottom depth) is the
// variable's _FillValue: never an invented value.

// The file's bytes; empty, with the reason in `why`, when the netCDF library
// failed or there is no cast to write.
[[nodiscard]] std::string netcdf_bytes(const CruiseData& d, const ExportInfo& info, std::string& why);

// netcdf_bytes into the file `path` through the output writer. False with the
// reason in `why`.
[[nodiscard]] bool write_netcdf(const CruiseData& d, const ExportInfo& info, const std::string& path, std::string& why,
                                const OutputRules& rules = {});

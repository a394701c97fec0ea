#include "export/netcdf_export.h"

#include <gtest/gtest.h>
#include <netcdf.h>
#include <netcdf_mem.h>

#include <cmath>
#include <variant>
#include <vector>

#include "testing/export_fixture.h"

namespace {

// The file read back through the netCDF library: every value, fill value and
// attribute the layout promises.
TEST(NetcdfExport, ReadsBackThroughTheNetcdfLibrary) {
    const ExportInfo info{"quenvar9 9.9", "quenvar9 --export netcdf c.hdr", 1714564800};
    std::string why, bytes = netcdf_bytes(four_casts(), info, why);
    ASSERT_FALSE(bytes.empty()) << why;
    int nc = -1;
    ASSERT_EQ(nc_open_mem("casts.nc", NC_NOWRITE, bytes.size(), bytes.data(), &nc), NC_NOERR);
    const auto var = [&nc](const char* name) {
        int v = -1;
        return nc_inq_varid(nc, name, &v) == NC_NOERR ? v : -9;
    };
    const double ffill = NC_FILL_FLOAT, dfill = NC_FILL_DOUBLE;
    // Fill values: a temperature not a number, a fluorescence beyond a float, an unset one, past a cast's
    // last scan, a date without a year, and the CNV cast's unknown time, position and bottom depth.
    const struct {
        const char* var;
        std::vector<std::size_t> at;
        double want;
    } values[] = {
        {"z", {0, 0}, 2},
        {"temperature", {0, 1}, 19.25},
        {"temperature", {0, 2}, ffill},
        {"salinity", {0, 2}, 31.8f},
        {"fluorescence", {0, 2}, ffill},
        {"sigma_t", {2, 0}, 25.8f},
        {"transmission", {0, 0}, 4.1f},
        {"fluorescence", {2, 0}, ffill},
        {"z", {2, 1}, ffill},
        {"time", {0}, 1532107440},
        {"time", {1}, dfill},
        {"time", {2}, dfill},
        {"lat", {0}, 41.2},
        {"lon", {0}, -70.5},
        {"lat", {1}, 40.5},
        {"lon", {1}, -70.9},
        {"lat", {2}, dfill},
        {"lon", {2}, dfill},
        {"bottom_depth", {0}, 45},
        {"bottom_depth", {2}, ffill},
    };
    for (const auto& row : values) {
        SCOPED_TRACE(std::string(row.var) + " at " + std::to_string(row.at[0]) + "," + std::to_string(row.at.back()));
        double got = 0;
        ASSERT_EQ(nc_get_var1_double(nc, var(row.var), row.at.data(), &got), NC_NOERR);
        EXPECT_DOUBLE_EQ(got, row.want);
    }
    using Want = std::variant<std::string, double>;
    const char* const G = nullptr;  // global
    const struct {
        const char* var;
        const char* name;
        Want want;
    } attributes[] = {
        {G, "Conventions", "CF-1.8, ACDD-1.3"},
        {G, "featureType", "profile"},
        {G, "ncei_template_version", "NCEI_NetCDF_Profile_Incomplete_Template_v2.0"},
        {G, "title", "EN617, bongo, cnv"},
        {G, "summary",
         "3 CTD casts: temperature, salinity, fluorescence, sigma-t and beam transmission against depth, "
         "as stored by quenvar9 9.9"},
        {G, "date_created", "2024-05-01T12:00:00Z"},
        {G, "history", "2024-05-01T12:00:00Z quenvar9 9.9: quenvar9 --export netcdf c.hdr"},
        {G, "source", "CTD casts from SB911, Bongo-SB, CNV files"},
        {G, "geospatial_lat_min", 40.5},
        {G, "geospatial_lat_max", 41.2},
        {G, "geospatial_lon_min", -70.9},
        {G, "geospatial_lon_max", -70.5},
        {G, "geospatial_vertical_min", 1.0},
        {G, "geospatial_vertical_max", 5.0},
        {G, "time_coverage_start", "2018-07-20T17:24:00Z"},
        {G, "time_coverage_end", "2018-07-20T17:24:00Z"},
        {"profile", "cf_role", "profile_id"},
        {"time", "units", "seconds since 1970-01-01 00:00:00 UTC"},
        {"time", "_FillValue", dfill},
        {"lat", "units", "degrees_north"},
        {"lon", "units", "degrees_east"},
        {"z", "standard_name", "depth"},
        {"z", "units", "m"},
        {"z", "positive", "down"},
        {"z", "axis", "Z"},
        {"z", "_FillValue", ffill},
        {"bottom_depth", "standard_name", "sea_floor_depth_below_sea_surface"},
        {"temperature", "standard_name", "sea_water_temperature"},
        {"temperature", "units", "degree_Celsius"},
        {"temperature", "coordinates", "time lat lon z"},
        {"salinity", "standard_name", "sea_water_practical_salinity"},
        {"salinity", "units", "1"},
        {"sigma_t", "standard_name", "sea_water_sigma_t"},
        {"sigma_t", "units", "kg m-3"},
        {"transmission", "comment", "in the units of the source files, which are not recorded"},
    };
    for (const auto& row : attributes) {
        SCOPED_TRACE(std::string(row.var ? row.var : "") + ":" + row.name);
        const int v = row.var ? var(row.var) : NC_GLOBAL;
        std::size_t length = 0;
        ASSERT_EQ(nc_inq_attlen(nc, v, row.name, &length), NC_NOERR);
        std::string text(length, '\0');
        double number = 0;
        const bool is_text = std::holds_alternative<std::string>(row.want);
        EXPECT_EQ(is_text ? nc_get_att_text(nc, v, row.name, text.data()) : nc_get_att_double(nc, v, row.name, &number),
                  NC_NOERR);
        EXPECT_EQ(is_text ? Want(text) : Want(number), row.want);
    }
    // Text per profile; without transmission (ncol 4) its variable is left out; without a cast there is no file.
    char text[9] = {};
    ASSERT_EQ(nc_get_var_text(nc, var("station"), text), NC_NOERR);
    EXPECT_EQ(std::string(text, 9), std::string("L1\0\0\0\0\0\0\0", 9));
    ASSERT_EQ(nc_get_var_text(nc, var("profile"), text), NC_NOERR);
    EXPECT_EQ(std::string(text, 9), "001002007");
    nc_close(nc);
    CruiseData ncol4 = four_casts();
    ncol4.ncol = 4, bytes = netcdf_bytes(ncol4, {}, why);
    ASSERT_EQ(nc_open_mem("casts.nc", NC_NOWRITE, bytes.size(), bytes.data(), &nc), NC_NOERR);
    EXPECT_EQ(var("transmission"), -9);
    nc_close(nc);
    EXPECT_TRUE(netcdf_bytes(CruiseData{}, {}, why).empty());
    EXPECT_EQ(why, "there is no cast to write");
}

}  // namespace

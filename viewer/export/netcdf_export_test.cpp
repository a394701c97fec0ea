#include "export/netcdf_export.h"

#include <gtest/gtest.h>
#include <netcdf.h>
#include <netcdf_mem.h>

#include <variant>
#include <vector>

#include "testing/export_fixture.h"

namespace {

// The file read back through the netCDF library: every value and fill value,
// and the attributes drawn from the casts.
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
    // clang-format off
    const struct { const char* var; std::vector<std::size_t> at; double want; } values[] = {
        {"z", {0, 0}, 2}, {"temperature", {0, 1}, 19.25}, {"temperature", {0, 2}, ffill}, {"salinity", {0, 2}, 31.8f},
        {"fluorescence", {0, 2}, ffill}, {"sigma_t", {2, 0}, 25.8f}, {"transmission", {0, 0}, 4.1f},
        {"fluorescence", {2, 0}, ffill}, {"z", {2, 1}, ffill}, {"time", {0}, 1532107440}, {"time", {1}, dfill},
        {"time", {2}, dfill}, {"lat", {0}, 41.2}, {"lon", {0}, -70.5}, {"lat", {1}, 40.5}, {"lon", {1}, -70.9},
        {"lat", {2}, dfill}, {"lon", {2}, dfill}, {"bottom_depth", {0}, 45}, {"bottom_depth", {2}, ffill},
    };  // clang-format on
    for (const auto& row : values) {
        SCOPED_TRACE(std::string(row.var) + " at " + std::to_string(row.at[0]) + "," + std::to_string(row.at.back()));
        double got = 0;
        ASSERT_EQ(nc_get_var1_double(nc, var(row.var), row.at.data(), &got), NC_NOERR);
        EXPECT_DOUBLE_EQ(got, row.want);
    }
    // The fixed attributes are in the sample cruise's ncdump header, which the DataExport test compares whole.
    using Want = std::variant<std::string, double>;
    // clang-format off
    const struct { const char* name; Want want; } attributes[] = {
        {"title", "EN617, bongo, cnv"}, {"source", "CTD casts from SB911, Bongo-SB, CNV files"},
        {"summary", "3 CTD casts: temperature, salinity, fluorescence, sigma-t and beam transmission against depth, "
                    "as stored by quenvar9 9.9"},
        {"date_created", "2024-05-01T12:00:00Z"},
        {"history", "2024-05-01T12:00:00Z quenvar9 9.9: quenvar9 --export netcdf c.hdr"},
        {"geospatial_lat_min", 40.5}, {"geospatial_lat_max", 41.2}, {"geospatial_lon_min", -70.9},
        {"geospatial_lon_max", -70.5}, {"geospatial_vertical_min", 1.0}, {"geospatial_vertical_max", 5.0},
        {"time_coverage_start", "2018-07-20T17:24:00Z"}, {"time_coverage_end", "2018-07-20T17:24:00Z"},
    };  // clang-format on
    for (const auto& row : attributes) {
        SCOPED_TRACE(row.name);
        std::size_t length = 0;
        ASSERT_EQ(nc_inq_attlen(nc, NC_GLOBAL, row.name, &length), NC_NOERR);
        std::string text(length, '\0');
        double number = 0;
        const bool is_text = std::holds_alternative<std::string>(row.want);
        EXPECT_EQ(is_text ? nc_get_att_text(nc, NC_GLOBAL, row.name, text.data())
                          : nc_get_att_double(nc, NC_GLOBAL, row.name, &number),
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

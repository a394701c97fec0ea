#include "readers/cnv_columns.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "readers/pressure_depth.h"

namespace {

// Columns from "name: description" texts.
std::vector<CnvColumn> columns(const std::vector<std::string>& texts) {
    std::vector<CnvColumn> out;
    for (const std::string& t : texts) {
        const std::size_t colon = t.find(':');
        out.push_back({t.substr(0, colon), colon == std::string::npos ? "" : t.substr(colon + 2)});
    }
    return out;
}

// Chosen columns as "depth pressure*scale temp(68) salt cond/ratio fluor trans flag lat,lon", "-" for none.
std::string chosen(const std::vector<CnvColumn>& cols, const CnvColumns& c) {
    const auto name = [&](int k) { return k < 0 ? std::string("-") : cols[std::size_t(k)].name; };
    char scales[64];
    std::snprintf(scales, sizeof scales, "*%.7g", c.pressure_scale);
    std::string out = name(c.depth) + (c.depth_scale != 1 ? "*ft " : " ") + name(c.pressure) +
                      (c.pressure >= 0 ? scales : "") + " " + name(c.temp) + (c.ipts68 ? "(68) " : " ") + name(c.salt);
    std::snprintf(scales, sizeof scales, "/%.5g", 1 / c.cond_scale);
    return out + " " + name(c.cond) + (c.cond >= 0 ? scales : "") + " " + name(c.fluor) + " " + name(c.trans) + " " +
           name(c.flag) + " " + name(c.lat) + "," + name(c.lon);
}

TEST(CnvColumns, FamiliesUnitsAndOrder) {
    const struct { const char* name; std::vector<std::string> cols; const char* chosen; } rows[] = {
        {"SBE 19plus V2", {"prDM: Pressure, Digiquartz [db]", "tv290C: Temperature [ITS-90, deg C]", "c0mS/cm: C [mS/cm]",
                           "sal00: Salinity, Practical [PSU]", "flECO-AFL: Fluorescence", "par: PAR", "scan: Scan Count",
                           "cdomflTC0: CDOM, Turner Cyclops [ppb QS]", "flag:  0.000e+00"},
         "- prDM*1 tv290C sal00 - flECO-AFL - flag -,-"},
        {"first of each family, then file order; pressure not needed beside depth",
         {"prDM", "depFM", "depSM", "t068C", "t090C", "sal11", "sal00", "flag", "flECO-AFL", "wetStar", "CStarTr0",
          "xmiss", "latitude", "longitude"},
         "depSM - t090C sal00 - flECO-AFL CStarTr0 flag latitude,longitude"},
        {"SBE 25 in psi, IPTS-68, salinity from S/m", {"prdE: Pressure, Strain Gauge [psi]", "t068: Temperature",
                                                       "c0S/m: Conductivity [S/m]"},
         "- prdE*0.6894757 t068(68) - c0S/m/4.2914 - - - -,-"},
        {"units by description; a difference is no temperature",
         {"prX: Pressure [dbar]", "t2-t1: Temperature Difference [ITS-90, deg C]", "t3890C: SBE 38 [ITS-90, deg C]",
          "cond0: Conductivity [uS/cm]", "c0uS/cm: Conductivity"},
         "- prX*1 t3890C - c0uS/cm/42914 - - - -,-"},
        {"the secondary pair", {"depSM", "t190C", "c0S/m", "c1mS/cm", "flSPuv0", "flCUVA", "flSPR", "flflTC0",
                                "flTC0: Fluorescence, Turner Cyclops, CDOM", "chloroflTC0"},
         "depSM - t190C - c1mS/cm/42.914 chloroflTC0 - - -,-"},
        {"depth in feet; a latitude without longitude", {"depSF", "t090C", "sal00", "latitude"},
         "depSF*ft - t090C sal00 - - - - -,-"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<CnvColumn> cols = columns(row.cols);
        CnvColumns c;
        std::string why;
        ASSERT_TRUE(choose_columns(cols, c, why)) << why;
        EXPECT_EQ(chosen(cols, c), row.chosen);
    }
    const struct { std::vector<std::string> cols; const char* why; } missing[] = {
        {{"t090C", "sal00", "prX: Pressure [m]"}, "names no depth or pressure column"},
        {{"depSM", "t090F: Temperature [ITS-90, deg F]", "sal00"}, "names no temperature column"},
        {{"depSM", "t090C", "c0S: Conductivity"}, "names no salinity column"},
    };
    for (const auto& row : missing) {
        CnvColumns c;
        std::string why;
        EXPECT_FALSE(choose_columns(columns(row.cols), c, why));
        EXPECT_TRUE(why.starts_with(row.why)) << why;
    }
}

// Scans of a cast at latitude 50 (or none), as "depth t s fl tr" or "dropped".
TEST(CnvColumns, ScansBadFlagsUnitsAndDerivedSalinity) {
    const double bad = kSeaBirdBadFlag, psi = 1000 / 0.6894757, c35 = 42.914, t15 = 15 / 1.00024;
    const struct { const char* name; std::vector<std::string> cols; std::vector<double> x; const char* scan;
                   std::optional<double> lat = 50; } rows[] = {
        {"kept", {"depSM", "t090C", "sal00", "flC", "xmiss", "flag"}, {2, 10, 35, 0.5, 80, 0}, "2 10 35 0.5 80"},
        {"declared bad flag", {"depSM", "t090C", "sal00"}, {2, -99, 35}, "dropped"},
        {"Sea-Bird's flag, undeclared", {"depSM", "t090C", "sal00"}, {2, 10, bad}, "dropped"},
        {"loop-edit mark", {"depSM", "t090C", "sal00", "flag"}, {2, 10, 35, bad}, "dropped"},
        {"bad fluorescence and transmission are missing", {"depSM", "t090C", "sal00", "flC", "xmiss"},
         {2, 10, 35, -99, bad}, "2 10 35 - -"},
        {"psi at the cast's latitude", {"prDE", "t090C", "sal00"}, {psi, 4, 35}, "989.046 4 35 - -"},
        {"psi at 45 degrees without a latitude", {"prDE", "t090C", "sal00"}, {psi, 4, 35}, "989.5 4 35 - -", {}},
        {"derived from mS/cm at 0 m", {"depSM", "t090C", "c0mS/cm"}, {0, t15, c35}, "0 14.9964 35 - -"},
        {"derived, IPTS-68, pressure column", {"prDM", "t068C", "c0S/m"}, {2000, 20, 1.2 * 4.2914}, "1973.42 20 37.2456 - -"},
        {"derived, pressure from depth at 50 degrees", {"depSM", "t068C", "c0S/m"},
         {unesco_depth(2000, 50), 20, 1.2 * 4.2914}, "1973.42 20 37.2456 - -"},
        {"bad conductivity", {"depSM", "t090C", "c0S/m"}, {1, 10, bad}, "dropped"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<CnvColumn> cols = columns(row.cols);
        CnvColumns c;
        std::string why;
        ASSERT_TRUE(choose_columns(cols, c, why));
        ScanMaker make(c, -99.0, row.lat);
        const auto s = make(row.x.data());
        char text[96] = "dropped";
        if (s)
            std::snprintf(text, sizeof text, "%g %g %g %s %s", s->depth, s->t, s->s, s->fl ? "0.5" : "-",
                          s->tr ? "80" : "-");
        EXPECT_STREQ(text, row.scan);
    }
}

// Without a header position the first scan whose latitude and longitude both
// hold one gives the cast's, and its latitude turns pressure into depth.
TEST(CnvColumns, PositionFromDataColumns) {
    const auto cols = columns({"prDM", "t090C", "sal00", "latitude", "longitude"});
    CnvColumns c;
    std::string why;
    ASSERT_TRUE(choose_columns(cols, c, why));
    ScanMaker make(c, std::nullopt, std::nullopt);
    const double bad = kSeaBirdBadFlag;
    const std::vector<std::vector<double>> scans = {
        {1000, 4, 35, bad, -70}, {1000, 4, 35, 0, 0}, {1000, 4, 35, 50.5, -4.25}, {1000, 4, 35, 51, -5}};
    std::vector<double> depths;
    for (const auto& x : scans) depths.push_back(make(x.data())->depth);
    ASSERT_TRUE(make.data_position());
    const auto& [lat, lon] = *make.data_position();
    EXPECT_EQ(std::tuple(lat.signed_degrees(), lon.signed_degrees(), lon.minutes), std::tuple(50.5, -4.25, 15.0));
    EXPECT_EQ(depths, (std::vector<double>{unesco_depth(1000, 45), unesco_depth(1000, 45), unesco_depth(1000, 50.5),
                                           unesco_depth(1000, 50.5)}));
}

}  // namespace

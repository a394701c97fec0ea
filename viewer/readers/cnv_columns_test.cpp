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
    char text[256];
    std::snprintf(text, sizeof text, "%s%s %s*%.7g %s%s %s %s/%.5g %s %s %s %s,%s", name(c.depth).c_str(),
                  c.depth_scale != 1 ? "*ft" : "", name(c.pressure).c_str(), c.pressure_scale, name(c.temp).c_str(),
                  c.ipts68 ? "(68)" : "", name(c.salt).c_str(), name(c.cond).c_str(), 1 / c.cond_scale,
                  name(c.fluor).c_str(), name(c.trans).c_str(), name(c.flag).c_str(), name(c.lat).c_str(),
                  name(c.lon).c_str());
    return text;
}

TEST(CnvColumns, FamiliesUnitsAndOrder) {
    // clang-format off
    const struct { const char* name; std::vector<std::string> cols; const char* chosen; } rows[] = {
        {"first of each family, then file order; pressure not needed beside depth",
         {"prDM", "depFM", "depSM", "t068C", "t090C", "sal11", "sal00", "flag", "flECO-AFL", "wetStar", "CStarTr0",
          "xmiss", "latitude", "longitude"},
         "depSM -*1 t090C sal00 -/1 flECO-AFL CStarTr0 flag latitude,longitude"},
        {"SBE 25 in psi, IPTS-68, salinity from S/m",
         {"prdE: Pressure, Strain Gauge [psi]", "t068: Temperature", "c0S/m: Conductivity [S/m]"},
         "- prdE*0.6894757 t068(68) - c0S/m/4.2914 - - - -,-"},
        {"units by description; a difference is no temperature",
         {"prX: Pressure [dbar]", "t2-t1: Temperature Difference [ITS-90, deg C]", "t3890C: SBE 38 [ITS-90, deg C]",
          "cond0: Conductivity [uS/cm]", "c0uS/cm: Conductivity"},
         "- prX*1 t3890C - c0uS/cm/42914 - - - -,-"},
        {"the secondary pair", {"depSM", "t190C", "c0S/m", "c1mS/cm", "flSPuv0", "flCUVA", "flSPR", "flflTC0",
                                "flTC0: Fluorescence, Turner Cyclops, CDOM", "chloroflTC0"},
         "depSM -*1 t190C - c1mS/cm/42.914 chloroflTC0 - - -,-"},
        {"depth in feet; a latitude without longitude", {"depSF", "t090C", "sal00", "latitude"},
         "depSF*ft -*1 t090C sal00 -/1 - - - -,-"},
        {"a pressure in metres is none", {"t090C", "sal00", "prX: Pressure [m]"}, "names no depth or pressure column"},
        {"Fahrenheit", {"depSM", "t090F: Temperature [ITS-90, deg F]", "sal00"}, "names no temperature column"},
        {"a conductivity of no known unit", {"depSM", "t090C", "c0S: Conductivity"}, "names no salinity column"},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<CnvColumn> cols = columns(row.cols);
        CnvColumns c;
        std::string why;
        EXPECT_EQ(choose_columns(cols, c, why) ? chosen(cols, c) : why.substr(0, why.find(" (")), row.chosen);
    }
}

// Scans of a cast at latitude 50 (or none), as "depth t s fl tr" or "dropped".
TEST(CnvColumns, ScansBadFlagsUnitsAndDerivedSalinity) {
    const double bad = kSeaBirdBadFlag, psi = 1000 / 0.6894757, c35 = 42.914, t15 = 15 / 1.00024;
    // clang-format off
    const struct { const char* name; std::vector<std::string> cols; std::vector<double> x; const char* scan;
                   std::optional<double> lat = 50; } rows[] = {
        {"kept", {"depSM", "t090C", "sal00", "flC", "xmiss", "flag"}, {2, 10, 35, 0.5, 80, 0}, "2 10 35 0.5 80"},
        {"declared bad flag", {"depSM", "t090C", "sal00"}, {2, -99, 35}, "dropped"},
        {"Sea-Bird's flag, undeclared", {"depSM", "t090C", "sal00"}, {2, 10, bad}, "dropped"},
        {"bad fluorescence and transmission are missing", {"depSM", "t090C", "sal00", "flC", "xmiss"},
         {2, 10, 35, -99, bad}, "2 10 35 - -"},
        {"psi at the cast's latitude", {"prDE", "t090C", "sal00"}, {psi, 4, 35}, "989.046 4 35 - -"},
        {"psi at 45 degrees without a latitude", {"prDE", "t090C", "sal00"}, {psi, 4, 35}, "989.5 4 35 - -", {}},
        {"derived from mS/cm at 0 m", {"depSM", "t090C", "c0mS/cm"}, {0, t15, c35}, "0 14.9964 35 - -"},
        {"derived, IPTS-68, pressure", {"prDM", "t068C", "c0S/m"}, {2000, 20, 5.14968}, "1973.42 20 37.2456 - -"},
        {"derived, pressure from depth at 50 degrees", {"depSM", "t068C", "c0S/m"},
         {unesco_depth(2000, 50), 20, 1.2 * 4.2914}, "1973.42 20 37.2456 - -"},
        {"pressure at the latitude of the scan's own position", {"prDM", "t090C", "sal00", "latitude", "longitude"},
         {1000, 4, 35, 50, -4}, "989.046 4 35 - -", {}},
        {"bad conductivity", {"depSM", "t090C", "c0S/m"}, {1, 10, bad}, "dropped"},
    };  // clang-format on
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

}  // namespace

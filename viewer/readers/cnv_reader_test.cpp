#include "readers/cnv_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "readers/pressure_depth.h"
#include "testing/scratch_folder.h"
#include "readers/sigma_t.h"

namespace {

// A .cnv text: header lines, the named columns, *END*, then the scans.
std::string cnv(const std::string& header, const std::vector<std::string>& names, const std::string& scans) {
    std::string out = "* Sea-Bird SBE 9 Data File:\r\n" + header;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += "# name " + std::to_string(i) + " = " + names[i] + ": a column\r\n";
    return out + "# bad_flag = -9.990e-29\r\n*END*\r\n" + scans;
}

const std::vector<std::string> kDts = {"depSM", "t090C", "sal00"};

// The header entries of cast 1 in one line, numbers to 7 digits, "-" for unset.
std::string header_entries(const CruiseData& d) {
    std::string out;
    for (const Cell* c : {&d.latdeg[1], &d.latmin[1], &d.lat[1], &d.londeg[1], &d.lonmin[1], &d.lon[1], &d.year[1],
                          &d.month[1], &d.day[1], &d.hour[1], &d.botdep[1]}) {
        char text[32] = "-";
        if (c->is_set()) std::snprintf(text, sizeof text, "%.7g", c->value());
        out += std::string(text) + " ";
    }
    return out + d.castno[1] + " '" + d.stdsta[1] + "'";
}

// Columns: latdeg latmin lat londeg lonmin lon (north, west) year month day hour botdep castno 'stdsta'.
TEST(CnvReader, HeaderForms) {
    ScratchFolder folder;
    const struct { const char* name; std::string file, header, entries; } rows[] = {
        {"NMEA lines", "Station_46.cnv",
         "* NMEA Latitude = 50 19.69 N\n* NMEA Longitude = 004 11.20 W\n** Lat: 10 S\n"
         "* NMEA UTC (Time) = Jul 05 2024  08:40:34\n* System UTC = Jul 06 2024 09:00:00\n** Station: 46\n",
         "50 19.69 50.32817 4 11.2 4.186667 24 7 5 8.676111 - 046 '46'"},
        {"user lines, south and east", "cast1234.cnv",
         "** Lat: 41 11.8 S\n** LONG: 70.5e\n* NMEA UTC (Time) = sometime\n"
         "# start_time = Feb 01 2018 13:30:00 [NMEA time]\n** Bottom depth: ~ 75 m\n",
         "-41 -11.8 -41.19667 -70 -30 -70.5 18 2 1 13.5 75 1234 ''"},
        {"signed decimal degrees", "ctd.cnv",
         "** LATITUDE: 41.25\n** longitude: -70.75\n* System UpLoad Time = dec 31 1999 23:59:60\n"
         "** Station:   L12 west\n** Water Depth (m): 130\n",
         "41 15 41.25 70 45 70.75 99 12 31 24 130 001 'L12'"},
        {"no position: a latitude alone, a letter of the wrong axis", "st0007b.cnv",
         "* NMEA Latitude = 50 19.69 N\n** Lon: 4 W\n** Longitude: 4 N\n", "- - - - - - - - - - - 007 ''"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CruiseData d;
        ASSERT_FALSE(read_cnv(d, {folder.write(row.file, cnv(row.header, kDts, " 1 10 35\n"))}).stopped);
        EXPECT_EQ(header_entries(d), row.entries);
    }
}

// Columns by name, bad flags, the downcast, the depth bins and the faults
// that stop a load. A good row is cast 1 of three; its result is the stored
// (depth, temperature, salinity, fluorescence, transmission) bins, an unset
// cell as -999. A bad row is cast 2: the load stops there, keeping cast 1.
TEST(CnvReader, ColumnsBadFlagsDowncastBinsAndFailures) {
    ScratchFolder folder;
    const std::string one = folder.write("b.cnv", cnv("", kDts, "1 10 35\n"));
    const std::string three = folder.write("c.cnv", cnv("", kDts, "1 10 35\n"));
    const double nan = -999, p1000 = std::round(unesco_depth(1000, 45));
    using Bin = std::array<double, 5>;
    const std::string bad = "-9.990e-29";
    const struct { const char* name; std::string text; std::vector<Bin> bins; double ncol; std::string why; } rows[] = {
        {"first name of each list; fluorescence and transmission by file order",
         cnv("", {"prDM", "depFM", "depSM", "t068C", "t090C", "sal11", "sal00", "flag", "flECO-AFL", "wetStar", "CStarTr0", "xmiss"},
             "9 8 2 0 10 0 35 0 0.5 9 80 9\n"), {Bin{2, 10, 35, 0.5, 80}}, 5, ""},
        {"pressure as depth at 45 degrees", cnv("", {"prDM", "t090C", "sal00", "wetStar"}, "1000\t4\t35\t1\n"),
         {Bin{p1000, 4, 35, 1, nan}}, 4, ""},
        {"bad flags", cnv("", {"depSM", "t090C", "sal00", "flC", "xmiss"},
                          bad + " 9 30 1 1\n2 " + bad + " 30 1 1\n2 9 " + bad + " 1 1\n2 10 35 " + bad + " " + bad + "\n"),
         {Bin{2, 10, 35, nan, nan}}, 5, ""},
        {"soak, heave, then the upcast left out", cnv("", kDts, "2 10 30\n1 11 31\n3 1 1\n2.6 3 3\n\n4 8 8\n4 0 0\n0.6 0 0\n"),
         {Bin{1, 11, 31, nan, nan}, Bin{2, 10, 30, nan, nan}, Bin{3, 2, 2, nan, nan}, Bin{4, 8, 8, nan, nan}}, 4, ""},
        {"bins at 0.5 and -0.5", cnv("", kDts, "-0.51 1 1\n-0.5 2 2\n0.49 4 4\n0.5 3 3\n"),
         {Bin{-1, 1, 1, nan, nan}, Bin{0, 3, 3, nan, nan}, Bin{1, 3, 3, nan, nan}}, 4, ""},
        {"no depth", cnv("", {"t090C", "sal00"}, ""), {}, 4,
         "names no depth or pressure column (depSM, depFM, prDM, prdM, prM or prSM)"},
        {"short scan", cnv("", kDts, "1 10 35\n2 10\n"), {}, 4, "line 8 holds 2 of the 3 values the header names"},
        {"not a number, unprintable", cnv("", kDts, "\x01" + std::string(70, 'x') + " 10 35\n"), {}, 4,
         "line 7: \"\\x01" + std::string(63, 'x') + "\"... is not a number"},
        {"out of depth", cnv("", kDts, "1e6 10 35\n"), {}, 4, "line 7: a depth of 1e+06 m lies outside -100 to 12000 m"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CruiseData d;
        const bool good = row.why.empty();
        const std::string path = folder.write(good ? "a.cnv" : "bb.cnv", row.text);
        const LoadResult r = read_cnv(d, {three, path, one});
        ASSERT_EQ(std::tuple(r.stopped, r.ncast, r.issues.size()), std::tuple(!good, good ? 3 : 1, good ? 0u : 1u));
        for (const LoadIssue& issue : r.issues) EXPECT_EQ(issue.file + ": " + issue.what, path + ": " + row.why);
        std::vector<Bin> got;
        for (int j = 1; good && j <= d.npts[1]; ++j) {
            Bin b;
            for (std::size_t k = 0; k < 5; ++k) {
                const Cell& c = d.castdat(1, j, k < 4 ? int(k) + 1 : kTrans);
                b[k] = c.is_set() ? c.value() : nan;
            }
            EXPECT_DOUBLE_EQ(d.castdat(1, j, kSigma), sigmat(b[1], b[2]));
            got.push_back(b);
        }
        EXPECT_EQ(std::tuple(got, d.ncol), std::tuple(row.bins, row.ncol));
    }
}

TEST(CnvReader, BinWidthIsTheNarrowestGivingAtMost500Bins) {
    ScratchFolder folder;
    const struct { int deepest, width, bins; } rows[] = {{499, 1, 500}, {500, 2, 251}, {2497, 5, 500}, {11000, 50, 221}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.deepest);
        std::string scans;
        for (int z = 0; z <= row.deepest; ++z) scans += std::to_string(z) + " 10 35\n";
        CruiseData d;
        ASSERT_FALSE(read_cnv(d, {folder.write("w.cnv", cnv("", kDts, scans))}).stopped);
        EXPECT_EQ(std::tuple(d.npts[1], d.castdat(1, 2, kDepth).value()), std::tuple(row.bins, double(row.width)));
    }
    EXPECT_NEAR(unesco_depth(10000, 30), 9712.653, 0.0005);  // the formula's own check value
}

}  // namespace

#include "readers/cnv_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "readers/pressure_depth.h"
#include "readers/sigma_t.h"
#include "testing/scratch_folder.h"

namespace {

// A .cnv text: the named columns, the header lines, *END*, then the scans.
std::string cnv(const std::vector<std::string>& names, const std::string& header, const std::string& scans) {
    std::string out = "* Sea-Bird SBE 9 Data File:\r\n";
    for (std::size_t i = 0; i < names.size(); ++i) out += "# name " + std::to_string(i) + " = " + names[i] + "\r\n";
    return out + header + "*END*\r\n" + scans;
}

const std::vector<std::string> kDts = {"depSM: Depth [salt water, m]", "t090C: Temperature [ITS-90, deg C]",
                                       "sal00: Salinity, Practical [PSU]"};

std::string num(const Cell& c) {
    char text[32] = "-";
    if (c.is_set()) std::snprintf(text, sizeof text, "%.7g", c.value());
    return text;
}

// Cast c: lat lon (N, W) year month day hour botdep castno 'stdsta' | npts ncol | first and last bins.
std::string cast_text(const CruiseData& d, int c = 1) {
    std::string out;
    for (const Cell* x : {&d.lat[c], &d.lon[c], &d.year[c], &d.month[c], &d.day[c], &d.hour[c], &d.botdep[c]})
        out += num(*x) + " ";
    out += d.castno[c] + " '" + d.stdsta[c] + "' | " + num(d.npts[c]) + " " + num(d.ncol);
    for (const int j : {1, int(d.npts[c])}) {
        out += " |";
        for (const int v : {kDepth, kTemp, kSalt, kFluor, kTrans}) out += " " + num(d.castdat(c, j, v));
        EXPECT_EQ(d.castdat(c, j, kSigma).value(), sigmat(d.castdat(c, j, kTemp), d.castdat(c, j, kSalt)));
    }
    return out;
}

// Casts as instruments and software of several generations write them.
TEST(CnvReader, FilesOfEveryGeneration) {
    ScratchFolder folder;
    const double p1000 = unesco_depth(1000.2, 50);
    // clang-format off
    const struct { const char* name; std::string text, cast; } rows[] = {
        {"SBE 911plus: loop-edit marks, touching fields, a huge value in a column not used",
         cnv({"prDM: Pressure, Digiquartz [db]", "t090C: Temperature [ITS-90, deg C]", "sal00: Salinity [PSU]",
              "flECO-AFL: Fluorescence [mg/m^3]", "CStarTr0: Beam Transmission [%]", "timeY: Time [seconds]",
              "flag:  0.000e+00"},
             "* NMEA Latitude = 50 00.00 N\r\n* NMEA Longitude = 004 11.20 W\r\n"
             "* NMEA UTC (Time) = Jul 05 2024  08:40:34\r\n** Station: AZMP-HL2 (Halifax)\r\n"
             "** Bottom time: 10:31\r\n# bad_flag = -9.990e-29\r\n# file_type = ascii\r\n",
             "      2.000    10.0000    35.0000     0.5000    80.0000 1.7201e+09  0.000e+00\r\n"
             "      2.000    99.0000    99.0000     0.5000    80.0000 1.7201e+09 -9.990e-29\r\n"
             "   1000.200     4.0000    34.0200-218.764914    70.0000 1.7201e+09  0.000e+00\r\n"),
         "50 4.186667 24 7 5 8.676111 - 001 'AZMP-HL2 (Halifax)' | 2 5 | 2 10 35 0.5 80 | " +
             std::to_string(int(std::round(p1000))) + " 4 34.02 -218.7649 70"},
        {"DOS-era SBE 19: IPTS-68, salinity from S/m, operator lines, Ctrl-Z marks",
         cnv({"pr: Pressure [db]", "t068: Temperature [IPTS-68, deg C]", "c0S/m: Conductivity [S/m]"},
             "** LATITUDE: 41 11.8 S\r\n** LONGITUDE: 70.5e\r\n# start_time = Feb 01 1995 13:30:00\r\n"
             "** Water Depth [m]: 130\r\n",
             "   0.0 15.000 4.2914\r\n   0.6 15.000 4.2914\r\n\x1a\x1a"),
         "-41.19667 -70.5 95 2 1 13.5 130 001 '' | 2 4 | 0 15 35 - - | 1 15 34.99976 - -"},
        {"SBE 25 binned on the upcast: column titles, operator date and time, position in the data",
         cnv({"depSM: Depth", "tv290C: Temperature", "sal00: Salinity", "latitude: Latitude [deg]",
              "longitude: Longitude [deg]"},
             "** Date: 2024-06-05\n** Time: 10:23:11\n** Sounding: 88\n",
             "  DepSM TV290C Sal00 Latitude Longitude\n 3 5 34 -9.990e-29 -63.5\n 2.5 6 33 0 0\n 2 6 33 44.5 -63.5\n"
             " 1 7 32 44 -63\n"),
         "44.5 63.5 24 6 5 10.38639 88 001 '' | 3 4 | 1 7 32 - - | 3 5.5 33.5 - -"},
        {"columns numbered from 1", "# nquan = 3\n# name 1 = prdM: P [db]\n# name 2 = tv290C: T\n# name 3 = sal00: S\n"
         "*END*\n 1 10 35\n 2 11 34\n", "- - - - - - - 001 '' | 2 4 | 1 10 35 - - | 2 11 34 - -"},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CruiseData d;
        const LoadResult r = read_cnv(d, {folder.write("cast.cnv", row.text)});
        ASSERT_TRUE(r.issues.empty()) << r.issues[0].what;
        EXPECT_EQ(cast_text(d), row.cast);
    }
}

// A bad row is cast 2 of three: the load stops there, keeping cast 1.
TEST(CnvReader, FailuresStopTheLoadNamingTheLine) {
    ScratchFolder folder;
    const std::string one = folder.write("a.cnv", cnv(kDts, "", "1 10 35\n"));
    const std::string three = folder.write("c.cnv", cnv(kDts, "", "1 10 35\n"));
    // clang-format off
    const struct { const char* name; std::string text, why; } rows[] = {
        {"binary", cnv(kDts, "# file_type = binary\r\n", "\x01\x02"),
         "line 5 says file_type = binary: this is a binary .cnv file, which must be converted to an ASCII .cnv file "
         "before it can be loaded"},
        {"no *END*", "# name 0 = depSM: d\n", "ends before its *END* line, so it holds no scans"},
        {"not a number, unprintable", cnv(kDts, "", "1 10 35\n\x01" + std::string(70, 'x') + " 10 35\n"),
         "line 7: \"\\x01" + std::string(63, 'x') + "\"... is not a number"},
        {"words after the first scan line", cnv(kDts, "", "1 10 35\nend of data\n"), "line 7: \"end\" is not a number"},
        {"a used value beyond 1e9", cnv(kDts, "", "1 10 -1e9\n1 10 -1.0000001e9\n"),
         "line 7: sal00 holds -1.0000001e+09, beyond the 1e9 that any measured value stays within"},
        {"Ctrl-Z before more data", cnv(kDts, "", "1 10 35\n2 10 35\x1a" "3 10 35\n"),
         "line 7: a Ctrl-Z (0x1A, the DOS end-of-file mark) is followed by more data"},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CruiseData d;
        const std::string path = folder.write("b.cnv", row.text);
        const LoadResult r = read_cnv(d, {three, path, one});
        ASSERT_EQ(std::tuple(r.stopped, r.ncast, d.ncast.value(), r.issues.size()), std::tuple(true, 1, 1.0, 1u));
        EXPECT_EQ(r.issues[0].file + ": " + r.issues[0].what, path + ": " + row.why);
    }
}

// A file named twice loads once; a cast without usable scans keeps its header, the load incomplete.
TEST(CnvReader, SameFileOnceAndCastsWithoutScans) {
    ScratchFolder folder;
    const std::string a = folder.write("a/s1.cnv", cnv(kDts, "** Station: A\n", "1 10 35\n"));
    std::filesystem::create_symlink(a, folder.path("z.cnv"));
    folder.write("s2.cnv", cnv(kDts, "** Station: B\n", ""));
    const auto flagged = folder.write("s3.cnv", cnv(kDts, "** Station: C\n", "1 1 -9.990e-29\n-9.990e-29 1 1\n"));
    folder.write("s4.cnv", cnv(kDts, "",
                               "-100 10 35\n-100.5 10 35\n1 10 35\n7590 10 35\n2 10 35\n12000 10 35\n"
                               "102 10 35\n1 10 35\n"));
    CruiseData d;
    d.npts[3] = 7;
    const LoadResult r =
        read_cnv(d, {folder.path("z.cnv"), a, folder.path("a/../s2.cnv"), flagged, folder.path("s4.cnv")});
    ASSERT_EQ(r.issues.size(), 4u);
    EXPECT_EQ(std::tuple(r.stopped, r.complete(), r.ncast, r.casts_without_scans, d.stdsta[3], d.npts[3].value()),
              std::tuple(false, false, 4, 2, "C", 0.0));
    EXPECT_EQ(std::tuple(d.npts[4].value(), d.castdat(4, 4, kDepth).value()),
              std::tuple(4.0, 102.0));  // -100, 1, 2, 102
    EXPECT_EQ(r.issues[2].what,
              "has 3 scans at an impossible depth: outside -100 to 12000 m, or a spike of more than 100 m from both "
              "neighbouring scans (the first at line 7: -100.5 m); they were left out");
    EXPECT_EQ(r.issues[0].what, "holds no scans after its *END* line; its header is loaded");
    EXPECT_EQ(r.issues[1].what, "holds no usable scans: every one of its 2 scans is marked bad; its header is loaded");
    EXPECT_EQ(r.issues[3].file + ": " + r.issues[3].what,
              folder.path("z.cnv") + ": is the same file as " + a + ", so it is loaded once");
}

// Every entry of the store, byte for byte.
std::string store_bytes(const CruiseData& d) {
    std::string out;
    const auto cell = [&](const Cell& c) {
        out += std::to_string(std::bit_cast<std::uint64_t>(c.value())) + "01"[c.is_set()];
    };
    for (int c = 0; c <= kMaxCast; ++c) {
        for (const auto* col : {&d.latdeg, &d.latmin, &d.lat, &d.londeg, &d.lonmin, &d.lon, &d.botdep, &d.year,
                                &d.month, &d.day, &d.hour, &d.npts})
            cell((*col)[c]);
        out += d.castno[c] + '|' + d.stdsta[c] + '|' + d.castfile[c] + '|';
        for (int k = 0; k < (kMaxScan + 1) * 7; ++k) cell(d.castdat(c, k / 7, k % 7));  // variables 0 to kMaxVar
    }
    cell(d.ncast);
    cell(d.ncol);
    return out;
}

// One thread or several: the same store and messages (a cruise, one failing in its middle, the samples).
TEST(CnvReader, ParallelLoadEqualsOneThread) {
    ScratchFolder folder;
    std::vector<std::string> whole;
    for (int k = 0; k < 40; ++k) {
        std::string scans;
        for (int z = 0; z < 30 + 97 * k % 800; ++z)
            scans += std::to_string(z * (k % 7 + 1)) + " 10.5 3" + std::to_string(k % 10) + "\n";
        whole.push_back(folder.write("w" + std::to_string(100 + k) + ".cnv",
                                     cnv(kDts, "** Lat: " + std::to_string(k) + " 30 N\n** Lon: 70.5 W\n", scans)));
    }
    std::vector<std::string> failing = whole;
    failing[20] = folder.write("w120b.cnv", cnv(kDts, "", "1 10 35\n2 x 35\n"));
    failing.push_back(folder.path("w100.cnv"));  // the same file twice
    const std::string samples = QUENVAR_SAMPLES_DIR "/cnv/";
    const std::vector<std::string> loads[] = {
        whole, failing, {samples + "en617_004.cnv", samples + "en617_008.cnv", samples + "en617_033.cnv"}};
    for (const auto& paths : loads) {
        SCOPED_TRACE(paths.size());
        CruiseData one, several;
        const LoadResult a = read_cnv(one, paths, {}, 1), b = read_cnv(several, paths, {}, 3);
        EXPECT_TRUE(store_bytes(one) == store_bytes(several));
        ASSERT_EQ(std::tuple(a.ncast, a.stopped, a.issues.size()), std::tuple(b.ncast, b.stopped, b.issues.size()));
        for (std::size_t k = 0; k < a.issues.size(); ++k) EXPECT_EQ(a.issues[k].what, b.issues[k].what);
    }
}

}  // namespace

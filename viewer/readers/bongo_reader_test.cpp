#include "readers/bongo_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "readers/sigma_t.h"
#include "testing/scratch_folder.h"

namespace {

// The header.dat record of the tow whose columns 1-3 are `no`: B01, 21 July 13:30, 40 52.5' N 70 53.1' W, 60 m.
std::string record(const std::string& no) { return no + " B01  7 21 13 30 4052.5 7053.1    60 tow\r\n"; }

// A recording at the given depths: temperature 21 - z / 5, salinity 32 + z / 100.
std::string recording(const std::vector<double>& depths) {
    std::string out;
    for (double z : depths)
        out +=
            " " + std::to_string(z) + " " + std::to_string(21 - z / 5) + " " + std::to_string(32 + z / 100) + " 1\r\n";
    return out;
}

// A folder of tows, and a store an SB911 load left in casts 1 to 60: "old", year 18, fluorescence and transmission 1.
struct Tows {
    ScratchFolder folder;
    CruiseData d;
    Tows() {
        d.ncol = 5;
        for (int c = 1; c <= 60; ++c) {
            d.castno[c] = "old", d.year[c] = 18;
            for (int s = 1; s <= kMaxScan; ++s) d.castdat(c, s, kFluor) = d.castdat(c, s, kTrans) = 1;
        }
    }
    void tow(const std::string& castno, const std::string& text) const { folder.write("SBE" + castno + ".asc", text); }
    BongoResult load(const std::string& header) { return read_bongo(d, folder.write("header.dat", header)); }
};

// Scans j down to the first deepest one, k, are stored, the last recorded first, with no fluorescence, transmission
// or year of the earlier load. Of a recording longer than 500 scans only the first 500 count. Cast numbers of one to
// three digits name the file; casts 1 to 50 and ncol stay as they were.
TEST(ReadBongo, KeepsTheRecordingFromItsFirstDeepestScan) {
    std::vector<double> long_tow;  // 749 scans, deepest at 450
    for (int s = 1; s <= 450; ++s) long_tow.push_back(s);
    for (int s = 449; s >= 151; --s) long_tow.push_back(s);
    // clang-format off
    const struct { const char* name; std::string no, castno; std::vector<double> depths; int k, npts; } rows[] = {
        {"down and up", "7  ", "007", {1, 2, 3, 4, 5, 4, 3, 2, 1}, 5, 5},
        {"two digits from 10", "10 ", "010", {1, 2}, 2, 1},
        {"two digits up to 99", "99 ", "099", {1, 2}, 2, 1},
        {"equal depths at the turn", "100", "100", {1, 2, 3, 3, 2, 1}, 3, 4},
        {"empty", "7  ", "007", {}, 0, 0},
        {"more than 500 scans", "7  ", "007", long_tow, 450, 51},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Tows t;
        t.tow(row.castno, recording(row.depths));
        const BongoResult r = t.load(" \t\r\n" + record(row.no) + "\r\n");
        const int j = std::min(static_cast<int>(row.depths.size()), 500);
        ASSERT_EQ(r.issues.size(), j < int(row.depths.size()) ? 1u : 0u);
        for (const LoadIssue& issue : r.issues)
            EXPECT_EQ(issue.what, "holds more than 500 scans; the first 500 were kept");
        ASSERT_EQ(r.tows.size(), 1u);
        EXPECT_EQ(std::tuple(r.tows[0].j, r.tows[0].k, r.tows[0].m, t.d.npts[51]),
                  std::tuple(j, row.k, row.npts, row.npts));
        const CruiseData& d = t.d;
        EXPECT_EQ(std::tuple(d.ncast, d.ncol, d.castno[50], d.castdat(50, 1, kTrans), d.castno[51], d.castfile[51]),
                  std::tuple(51, 5, "old", 1, row.castno, t.folder.path("SBE" + row.castno + ".asc")));
        EXPECT_EQ(std::tuple(d.stdsta[51], d.month[51], d.day[51], d.hour[51], d.botdep[51], d.year[51].is_set()),
                  std::tuple("B01", 7, 21, 13.5, 60, false));
        EXPECT_EQ(std::tuple(d.latdeg[51], d.latmin[51], d.lat[51], d.londeg[51], d.lonmin[51], d.lon[51]),
                  std::tuple(40, 52.5, 40.875, 70, 53.1, 70 + 53.1 / 60));
        for (int n = 1; n <= row.npts; ++n) {
            const double z = row.depths[static_cast<std::size_t>(j - n)];
            EXPECT_EQ(t.d.castdat(51, n, kDepth), z);
            EXPECT_NEAR(t.d.castdat(51, n, kSigma), sigmat(21 - z / 5, 32 + z / 100), 1e-5);
            EXPECT_FALSE(t.d.castdat(51, n, kFluor).is_set() || t.d.castdat(51, n, kTrans).is_set());
        }
        EXPECT_EQ(t.d.castdat(51, row.npts + 1, kFluor), 1);  // beyond npts the earlier load stays
    }
}

// Past 150 tows the load stops, keeping the first 150 as casts 51 to 200.
TEST(ReadBongo, StopsAfter150Tows) {
    Tows t;
    t.tow("007", recording({1, 2, 3, 2}));
    std::string full;
    for (int i = 0; i < 151; ++i) full += record("7  ");
    const BongoResult r = t.load(full);
    ASSERT_EQ(std::tuple(r.stopped, r.issues.size(), r.tows.size()), std::tuple(true, 1u, std::size_t(150)));
    EXPECT_EQ(r.issues[0].file + ": " + r.issues[0].what,
              t.folder.path("header.dat") + ": lists more than 150 tows; the first 150 were loaded (casts 51 to 200)");
    EXPECT_EQ(std::tuple(t.d.ncast, t.d.npts[200], t.d.castno[200]), std::tuple(200, 2, "007"));
}

}  // namespace

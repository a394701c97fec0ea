#include "readers/bongo_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/sb911_reader.h"
#include "readers/scratch_folder.h"
#include "readers/sigma_t.h"

namespace {

// One header.dat record, field by field at its columns.
struct Tow {
    std::string castno = "7  ", stdsta = "B01", month = " 7 ", day = " 21", hours = " 13", minutes = " 30";
    std::string latdeg = "40", latmin = "52.5", londeg = " 70", lonmin = "53.1", botdep = "   60";
    std::string text() const {
        return castno + " " + stdsta + month + day + hours + minutes + " " + latdeg + latmin + londeg + lonmin + " " +
               botdep + " tow";
    }
};

Tow tow(const std::string& castno) {
    Tow t;
    t.castno = castno;
    return t;
}

// A recording with the given depths; temperature falls and salinity rises
// with depth, the fourth value is a scan count.
std::string recording(const std::vector<double>& depths) {
    std::string out;
    int n = 0;
    for (double z : depths)
        out += " " + std::to_string(z) + " " + std::to_string(21 - z / 5) + " " + std::to_string(32 + z / 100) +
               " " + std::to_string(++n) + "\r\n";
    return out;
}

std::vector<double> down_and_up(int down, int up) {
    std::vector<double> z;
    for (int s = 1; s <= down; ++s) z.push_back(s);
    for (int s = up - 1; s >= 1; --s) z.push_back(s * double(down) / up);
    return z;
}

struct Tows {
    ScratchFolder folder;
    std::string header(const std::vector<Tow>& tows) {
        std::string text;
        for (const Tow& t : tows) text += t.text() + "\r\n";
        return folder.write("header.dat", text);
    }
    void cast_file(const std::string& castno, const std::string& text) {
        folder.write("SBE" + castno + ".asc", text);
    }
};

TEST(ReadBongo, CastNumbersBecomeThreeDigits) {
    struct Row {
        const char* name;
        std::string field;  // columns 1-3
        std::string castno;
    };
    const Row rows[] = {
        {"one digit", "7  ", "007"},
        {"two digits", "42 ", "042"},
        {"three digits", "100", "100"},
        {"three digits, not round", "123", "123"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Tows tows;
        tows.cast_file(row.castno, recording({1, 2, 1}));
        CruiseData d;
        const BongoResult r = read_bongo(d, tows.header({tow(row.field)}));
        ASSERT_TRUE(r.issues.empty()) << r.issues[0].file << ": " << r.issues[0].what;
        EXPECT_EQ(d.castno[51], row.castno);
        EXPECT_EQ(d.castfile[51], tows.folder.path("SBE" + row.castno + ".asc"));
    }
}

TEST(ReadBongo, HeaderFieldsByColumn) {
    Tows tows;
    tows.cast_file("007", recording({1, 2, 1}));
    CruiseData d;
    const BongoResult r = read_bongo(d, tows.header({tow("7  ")}));
    ASSERT_TRUE(r.issues.empty());
    EXPECT_EQ(d.stdsta[51], "B01");
    EXPECT_EQ(d.month[51], 7);
    EXPECT_EQ(d.day[51], 21);
    EXPECT_DOUBLE_EQ(d.hour[51], 13.5);
    EXPECT_EQ(d.latdeg[51], 40);
    EXPECT_DOUBLE_EQ(d.latmin[51], 52.5);
    EXPECT_DOUBLE_EQ(d.lat[51], 40.875);
    EXPECT_EQ(d.londeg[51], 70);
    EXPECT_DOUBLE_EQ(d.lonmin[51], 53.1);
    EXPECT_DOUBLE_EQ(d.lon[51], 70 + 53.1 / 60);
    EXPECT_EQ(d.botdep[51], 60);
    EXPECT_EQ(d.ncast, 51);
}

// k is the deepest scan of the recording; scans j down to k are stored, the
// last one recorded first.
TEST(ReadBongo, KeepsTheRecordingFromItsDeepestScan) {
    struct Row {
        const char* name;
        std::vector<double> depths;
        int k;
    };
    const Row rows[] = {
        {"down and up", {1, 2, 3, 4, 5, 4, 3, 2, 1}, 5},
        {"down only: one scan kept", {1, 2, 3, 4}, 4},
        {"equal depths at the turn: the first of them", {1, 2, 3, 3, 2, 1}, 3},
        {"noisy upcast: small rises on the way up",
         {2, 8, 14, 20, 26, 32, 38, 40.2, 39.1, 36, 36.4, 31, 27, 27.3, 22, 15, 15.2, 9, 4, 1.5}, 8},
        {"noisy downcast: a rise and fall before the bottom", {1, 5, 4.8, 9, 12, 8, 4, 1}, 5},
        {"depths never rise, first at the surface", {0, 0, 0}, 1},
        {"depths never rise, all above 0", {-1, -2, -3}, 1},
        {"one scan", {7}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Tows tows;
        tows.cast_file("007", recording(row.depths));
        CruiseData d;
        const BongoResult r = read_bongo(d, tows.header({tow("7  ")}));
        ASSERT_TRUE(r.issues.empty()) << r.issues[0].what;
        const int j = static_cast<int>(row.depths.size());
        const int npts = j - row.k + 1;
        ASSERT_EQ(r.tows.size(), 1u);
        EXPECT_EQ(r.tows[0].k, row.k);
        EXPECT_EQ(r.tows[0].j, j);
        EXPECT_EQ(r.tows[0].m, npts);
        ASSERT_EQ(d.npts[51], npts);
        for (int n = 1; n <= npts; ++n) {
            const int m = j - n + 1;  // scan of the recording
            EXPECT_EQ(d.castdat(51, n, kDepth), row.depths[static_cast<std::size_t>(m - 1)]);
            EXPECT_DOUBLE_EQ(d.castdat(51, n, kSigma), sigmat(d.castdat(51, n, kTemp), d.castdat(51, n, kSalt)));
        }
    }
}

TEST(ReadBongo, EmptyRecordingStoresNothing) {
    Tows tows;
    tows.cast_file("007", "\r\n");
    CruiseData d;
    const BongoResult r = read_bongo(d, tows.header({tow("7  ")}));
    EXPECT_TRUE(r.issues.empty());
    EXPECT_EQ(d.npts[51], 0);
    ASSERT_EQ(r.tows.size(), 1u);
    EXPECT_EQ(r.tows[0].j, 0);
    EXPECT_EQ(r.tows[0].k, 0);
}

// The tows show nothing of an earlier load: their year and the fluorescence
// and transmission of their stored scans are unset. Casts 1 to 50 keep the
// SB911 load.
TEST(ReadBongo, LeavesNothingOfAnEarlierLoadInTheTowsAndKeepsCastsOneToFifty) {
    CruiseData d;
    ScratchFolder sb;
    std::string header, scans;
    for (int s = 1; s <= 6; ++s) scans += " " + std::to_string(s) + " 18.0 32.0 1.7 3.9 250\n";
    // Columns: latitude 41 20.5', longitude 70 53.1', year 18, July 20,
    // 17.4 h, cast number at 31-33.
    std::string record = "E617" "41" "205" "070" "531" "   " "18" "07" "20" "174" "   " "000";
    for (int c = 1; c <= 60; ++c) {
        const std::string no = (c < 10 ? "00" : "0") + std::to_string(c);
        record.replace(30, 3, no);
        header += record + "  40\n";
        sb.write("CRd" + no + ".PRE", scans);
    }
    ASSERT_TRUE(read_sb911(d, sb.write("CR.hdr", header)).issues.empty());
    ASSERT_EQ(d.ncast, 60);

    Tows tows;
    tows.cast_file("007", recording({1, 2, 3, 2}));
    tows.cast_file("008", recording({1, 2, 3, 4, 5, 3}));
    const BongoResult r = read_bongo(d, tows.header({tow("7  "), tow("8  ")}));
    ASSERT_TRUE(r.issues.empty());
    EXPECT_EQ(d.ncast, 52);
    EXPECT_EQ(d.ncol, 5);  // not changed
    for (int c : {51, 52}) {
        SCOPED_TRACE(c);
        EXPECT_FALSE(d.year[c].is_set());
        for (int n = 1; n <= d.npts[c]; ++n) {
            EXPECT_FALSE(d.castdat(c, n, kFluor).is_set());
            EXPECT_FALSE(d.castdat(c, n, kTrans).is_set());
            EXPECT_EQ(d.castdat(c, n, kFluor), 0);
        }
    }
    // Beyond a tow's npts, and in casts past ncast, the SB911 values stay.
    EXPECT_EQ(d.castdat(51, 3, kFluor), 1.7);
    EXPECT_EQ(d.castno[53], "053");
    for (int c = 1; c <= 50; ++c) {
        EXPECT_EQ(d.year[c], 18);
        EXPECT_EQ(d.npts[c], 6);
        EXPECT_EQ(d.castdat(c, 6, kTrans), 3.9);
    }
}

TEST(ReadBongo, FailuresStopTheLoadKeepingTheWholeTows) {
    struct Row {
        const char* name;
        std::string second;  // the second tow's recording; "-" for no file
        std::string what;
    };
    const Row rows[] = {
        {"recording cannot be opened", "-", "cannot be opened: No such file or directory"},
        {"scan cut short", recording({1, 2, 3}) + " 2.5 19\r\n", "scan 4 is cut short by the end of the file (2 of 4 values)"},
        {"not a number", recording({1, 2}) + " 3 19 32 #\r\n", "line 3: \"#\" is not a number"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Tows tows;
        tows.cast_file("007", recording({1, 2, 3, 2}));
        if (row.second != "-") tows.cast_file("008", row.second);
        tows.cast_file("009", recording({1, 2, 1}));
        CruiseData d;
        d.castno[52] = "old";
        const BongoResult r = read_bongo(d, tows.header({tow("7  "), tow("8  "), tow("9  ")}));
        EXPECT_TRUE(r.stopped);
        ASSERT_EQ(r.issues.size(), 1u);
        EXPECT_EQ(r.issues[0].file, tows.folder.path("SBE008.asc"));
        EXPECT_NE(r.issues[0].what.find(row.what), std::string::npos) << r.issues[0].what;
        EXPECT_EQ(d.ncast, 51);
        EXPECT_EQ(d.npts[51], 2);
        EXPECT_EQ(d.castno[52], "old");
        EXPECT_EQ(r.tows.size(), 1u);
    }
}

TEST(ReadBongo, HeaderThatCannotBeOpenedLeavesNcastAtFifty) {
    ScratchFolder folder;
    CruiseData d;
    const BongoResult r = read_bongo(d, folder.path("header.dat"));
    EXPECT_TRUE(r.stopped);
    ASSERT_EQ(r.issues.size(), 1u);
    EXPECT_EQ(r.issues[0].file, folder.path("header.dat"));
    EXPECT_EQ(d.ncast, 50);
}

TEST(ReadBongo, AHundredAndFiftyTowsFillTheStoreAndAFurtherOneStopsTheLoad) {
    for (int records : {150, 151}) {
        SCOPED_TRACE(records);
        Tows tows;
        tows.cast_file("007", recording({1, 2, 1}));
        std::vector<Tow> header(static_cast<std::size_t>(records), tow("7  "));
        CruiseData d;
        const BongoResult r = read_bongo(d, tows.header(header));
        EXPECT_EQ(d.ncast, 200);
        EXPECT_EQ(r.stopped, records == 151);
        if (records == 151) {
            ASSERT_EQ(r.issues.size(), 1u);
            EXPECT_EQ(r.issues[0].file, tows.folder.path("header.dat"));
            EXPECT_EQ(r.issues[0].what, "lists more than 150 tows; the first 150 were loaded (casts 51 to 200)");
        }
    }
}

// A recording longer than the store's 500 scans: its first 500 count as the
// recording, and the deepest scan is sought among them.
TEST(ReadBongo, RecordingOfMoreThan500ScansKeepsItsFirst500) {
    Tows tows;
    tows.cast_file("007", recording(down_and_up(450, 300)));  // 749 scans, deepest at 450
    tows.cast_file("008", recording({1, 2, 1}));
    CruiseData d;
    const BongoResult r = read_bongo(d, tows.header({tow("7  "), tow("8  ")}));
    EXPECT_FALSE(r.stopped);
    ASSERT_EQ(r.issues.size(), 1u);
    EXPECT_EQ(r.issues[0].file, tows.folder.path("SBE007.asc"));
    EXPECT_EQ(r.issues[0].what, "holds more than 500 scans; the first 500 of the recording were kept");
    ASSERT_EQ(r.tows.size(), 2u);
    EXPECT_EQ(r.tows[0].j, 500);
    EXPECT_EQ(r.tows[0].k, 450);
    EXPECT_EQ(d.npts[51], 51);
    EXPECT_EQ(d.castdat(51, 51, kDepth), 450);
    EXPECT_EQ(d.ncast, 52);
}

#ifdef QUENVAR_SAMPLES_DIR
TEST(ReadBongo, SampleTowsLoadFromTheirDeepestScans) {
    CruiseData d;
    const BongoResult r = read_bongo(d, QUENVAR_SAMPLES_DIR "/bongo/header.dat");
    ASSERT_TRUE(r.issues.empty()) << r.issues[0].file << ": " << r.issues[0].what;
    ASSERT_GE(d.ncast, 53);
    for (int c = 51; c <= d.ncast; ++c) {
        SCOPED_TRACE(c);
        const TowDiagnostic& t = r.tows[static_cast<std::size_t>(c - 51)];
        // A noisy upcast keeps its whole length, not its last few scans.
        EXPECT_GT(t.k, 1);
        EXPECT_GT(t.m, t.j / 2);
        // Inside the station map's frame, 71 W to 65.5 W and 40 N to 42.5 N.
        EXPECT_GT(d.lon[c], 65.5);
        EXPECT_LT(d.lon[c], 71);
        EXPECT_GT(d.lat[c], 40);
        EXPECT_LT(d.lat[c], 42.5);
        const int n = static_cast<int>(d.npts[c]);
        EXPECT_GT(d.castdat(c, n, kDepth), 20);
        for (int s = 1; s < n; ++s) ASSERT_LE(d.castdat(c, s, kDepth), d.castdat(c, n, kDepth));
        EXPECT_GT(d.castdat(c, n, kSigma), d.castdat(c, 1, kSigma));
    }
}
#endif

}  // namespace

#include "readers/sb911_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "readers/scratch_folder.h"
#include "readers/sigma_t.h"

namespace {

// One cruise header record, field by field at its columns.
struct Record {
    std::string latdeg = "41", latmin = "120", londeg = " 70", lonmin = "531";
    std::string year = "18", month = "07", day = "20", hour = "174";
    std::string castno = "001", botdep = "  20", stdsta = "L01";
    std::string text() const {
        std::string r = "E617" + latdeg + latmin + londeg + lonmin + "   " + year + month + day + hour + "   " +
                        castno + botdep;
        r.resize(69, ' ');
        return r + stdsta;
    }
};

Record cast(const std::string& castno) {
    Record r;
    r.castno = castno;
    return r;
}

// Scans of six values per line: depth, temperature, salinity, fluorescence,
// transmission, and an unused value.
std::string scans6(int n, double depth0 = 1) {
    std::string out;
    for (int s = 0; s < n; ++s) {
        const double z = depth0 + s;
        out.append(" ").append(std::to_string(z)).append(" ").append(std::to_string(20 - z / 10));
        out.append(" 32.5 0.8 4.1 99\n");
    }
    return out;
}

// A cruise in a scratch folder: CRUISE.hdr and its cast files.
struct Cruise {
    ScratchFolder folder;
    std::string header(const std::vector<Record>& records, const std::string& end = "\n") {
        std::string text;
        for (const Record& r : records) text += r.text() + end;
        return folder.write("CRUISE.hdr", text);
    }
    void cast_file(const std::string& castno, const std::string& text) {
        folder.write("CRUISEd" + castno + ".PRE", text);
    }
};

// The store as an earlier load left it: every cell of casts 1..4 marked.
void fill_earlier_load(CruiseData& d) {
    for (int c = 1; c <= 4; ++c) {
        d.castno[c] = "old";
        d.npts[c] = 3;
        for (int s = 1; s <= 3; ++s)
            for (int v = 1; v <= kMaxVar; ++v) d.castdat(c, s, v) = -1000 * c - s;
    }
}

TEST(ReadSb911, BothLayoutsFromTheFirstLineOfCastOne) {
    struct Row {
        const char* name;
        std::string scans;
        double ncol, trans;
    };
    const Row rows[] = {
        {"six values: transmission from the fifth", " 2.0 20.5 31.6 0.37 3.86 245\n 3.0 19.1 31.7 0.47 3.90 254\n", 5,
         3.90},
        {"five values: transmission 0", " 2.0 20.5 31.6 0.37 245\n 3.0 19.1 31.7 0.47 254\n", 4, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise cruise;
        cruise.cast_file("001", row.scans);
        CruiseData d;
        const LoadResult r = read_sb911(d, cruise.header({cast("001")}));
        EXPECT_TRUE(r.issues.empty());
        EXPECT_EQ(d.ncol, row.ncol);
        EXPECT_EQ(d.npts[1], 2);
        EXPECT_EQ(d.castdat(1, 2, kDepth), 3.0);
        EXPECT_EQ(d.castdat(1, 2, kTemp), 19.1);
        EXPECT_EQ(d.castdat(1, 2, kSalt), 31.7);
        EXPECT_EQ(d.castdat(1, 2, kFluor), 0.47);
        EXPECT_TRUE(d.castdat(1, 2, kTrans).is_set());
        EXPECT_EQ(d.castdat(1, 2, kTrans), row.trans);
        EXPECT_EQ(d.castdat(1, 2, kSigma), sigmat(19.1, 31.7));
    }
}

TEST(ReadSb911, LaterCastsAreReadWithTheLayoutOfCastOne) {
    Cruise cruise;
    cruise.cast_file("001", scans6(1));
    // Six values to a scan, whatever the lines say: 15 numbers make 2 scans
    // and a cut one, so write 18.
    cruise.cast_file("002", "1 2 3 4 5\n6 7 8 9 10\n11 12 13 14 15\n16 17 18\n");
    CruiseData d;
    const LoadResult r = read_sb911(d, cruise.header({cast("001"), cast("002")}));
    EXPECT_TRUE(r.issues.empty());
    EXPECT_EQ(d.ncol, 5);
    ASSERT_EQ(d.npts[2], 3);
    EXPECT_EQ(d.castdat(2, 2, kDepth), 7);
    EXPECT_EQ(d.castdat(2, 2, kTrans), 11);
    EXPECT_EQ(d.castdat(2, 3, kDepth), 13);
}

TEST(ReadSb911, HeaderFieldsByColumn) {
    struct Row {
        const char* name;
        std::string record;  // text of the record
        std::string castno, stdsta;
        double latmin, lat, lonmin, lon, hour, botdep, year, month, day;
    };
    Record full;
    full.latmin = "305";
    full.lonmin = "015";
    full.hour = "135";
    Record padded;
    padded.castno = " 7 ";
    padded.botdep = "1234";
    const std::string short_of_stdsta = Record{}.text().substr(0, 45);
    const std::string short_of_botdep = Record{}.text().substr(0, 33);
    const Row rows[] = {
        {"tenths of minutes and hours", full.text(), "001", "L01", 30.5, 41 + 30.5 / 60, 1.5, 70 + 1.5 / 60, 13.5,
         20, 18, 7, 20},
        {"blank-padded cast number", padded.text(), " 7 ", "L01", 12, 41.2, 53.1, 70 + 53.1 / 60, 17.4, 1234, 18, 7,
         20},
        {"record ends before column 70", short_of_stdsta, "001", "", 12, 41.2, 53.1, 70 + 53.1 / 60, 17.4, 20, 18, 7,
         20},
        {"record ends before column 34", short_of_botdep, "001", "", 12, 41.2, 53.1, 70 + 53.1 / 60, 17.4, 0, 18, 7,
         20},
        {"leading blanks and a comma end", "   " + Record{}.text() + ",ignored", "001", "L01", 12, 41.2, 53.1,
         70 + 53.1 / 60, 17.4, 20, 18, 7, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScratchFolder folder;
        const std::string header = folder.write("CRUISE.hdr", row.record + "\n");
        folder.write("CRUISEd" + row.castno + ".PRE", scans6(2));
        CruiseData d;
        const LoadResult r = read_sb911(d, header);
        ASSERT_TRUE(r.issues.empty()) << r.issues[0].file << ": " << r.issues[0].what;
        EXPECT_EQ(d.castno[1], row.castno);
        EXPECT_EQ(d.castfile[1], folder.path("CRUISEd" + row.castno + ".PRE"));
        EXPECT_EQ(d.stdsta[1], row.stdsta);
        EXPECT_EQ(d.latdeg[1], 41);
        EXPECT_DOUBLE_EQ(d.latmin[1], row.latmin);
        EXPECT_DOUBLE_EQ(d.lat[1], row.lat);
        EXPECT_EQ(d.londeg[1], 70);
        EXPECT_DOUBLE_EQ(d.lonmin[1], row.lonmin);
        EXPECT_DOUBLE_EQ(d.lon[1], row.lon);
        EXPECT_DOUBLE_EQ(d.hour[1], row.hour);
        EXPECT_TRUE(d.botdep[1].is_set());
        EXPECT_EQ(d.botdep[1], row.botdep);
        EXPECT_EQ(d.year[1], row.year);
        EXPECT_EQ(d.month[1], row.month);
        EXPECT_EQ(d.day[1], row.day);
    }
}

TEST(ReadSb911, EmptyCastFileGivesNoScansAndKeepsOlderScans) {
    Cruise cruise;
    cruise.cast_file("001", scans6(2));
    cruise.cast_file("002", "");
    cruise.cast_file("003", scans6(1));
    CruiseData d;
    fill_earlier_load(d);
    const LoadResult r = read_sb911(d, cruise.header({cast("001"), cast("002"), cast("003")}));
    EXPECT_TRUE(r.issues.empty());
    EXPECT_EQ(d.ncast, 3);
    EXPECT_EQ(d.npts[2], 0);
    EXPECT_EQ(d.castno[2], "002");
    EXPECT_EQ(d.castdat(2, 1, kDepth), -2001);  // beyond npts: as the earlier load left it
    EXPECT_EQ(d.castdat(3, 2, kDepth), -3002);
}

// The same cruise written by DOS, Windows and Unix machines loads alike.
TEST(ReadSb911, LineEndsBlankLinesAndTrailingBlanksReadAlike) {
    struct Row {
        const char* name;
        std::string end;        // after each line
        std::string separator;  // between header records
        bool final_end = true;
    };
    const Row rows[] = {
        {"LF", "\n", "", true},
        {"CRLF", "\r\n", "", true},
        {"CRLF, last line without its end", "\r\n", "", false},
        {"blank lines and trailing blanks", "   \r\n", "\r\n  \r\n\r\n", true},
        {"Ctrl-Z after the text", "\r\n", "", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScratchFolder folder;
        std::string header;
        for (const char* no : {"001", "002"}) header += row.separator + cast(no).text() + row.end;
        if (!row.final_end) header.resize(header.size() - row.end.size());
        if (std::string(row.name).find("Ctrl-Z") != std::string::npos) header += "\x1a\x1a padding\r\n";
        std::string scans;
        for (const char* line : {" 2.0 20.5 31.6 0.37 3.86 245", " 3.0 19.1 31.7 0.47 3.90 254"})
            scans += row.separator + line + row.end;
        if (!row.final_end) scans.resize(scans.size() - row.end.size());
        folder.write("CRUISEd001.PRE", scans);
        folder.write("CRUISEd002.PRE", scans);

        CruiseData d;
        const LoadResult r = read_sb911(d, folder.write("CRUISE.hdr", header));
        ASSERT_TRUE(r.issues.empty()) << r.issues[0].file << ": " << r.issues[0].what;
        EXPECT_EQ(d.ncast, 2);
        EXPECT_EQ(d.ncol, 5);
        EXPECT_EQ(d.stdsta[2], "L01");
        EXPECT_EQ(d.castfile[2], folder.path("CRUISEd002.PRE"));
        EXPECT_EQ(d.npts[2], 2);
        EXPECT_EQ(d.castdat(2, 2, kTrans), 3.90);
    }
}

// Each failure stops the load: the casts read whole stay, the failed cast
// keeps what the earlier load left, ncast is the last whole cast.
TEST(ReadSb911, FailuresStopTheLoadKeepingTheWholeCasts) {
    struct Row {
        const char* name;
        std::string cast3;   // the third cast file's text; "-" for no file
        std::string file;    // file named in the issue
        std::string what;    // part of the issue's text
        int ncast;
    };
    const Row rows[] = {
        {"cast file cannot be opened", "-", "CRUISEd003.PRE", "cannot be opened: No such file or directory", 2},
        {"scan cut short by the end of the file", scans6(2) + " 3.0 19.1 31.7\n", "CRUISEd003.PRE",
         "scan 3 is cut short by the end of the file (3 of 6 values)", 2},
        {"an item that is not a number", scans6(1) + " 2.0 19.1 31.7 0.4 3.8 **\n", "CRUISEd003.PRE",
         "line 2: \"**\" is not a number", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise cruise;
        cruise.cast_file("001", scans6(2));
        cruise.cast_file("002", scans6(2));
        if (row.cast3 != "-") cruise.cast_file("003", row.cast3);
        cruise.cast_file("004", scans6(2));
        CruiseData d;
        fill_earlier_load(d);
        const LoadResult r =
            read_sb911(d, cruise.header({cast("001"), cast("002"), cast("003"), cast("004")}));
        EXPECT_TRUE(r.stopped);
        ASSERT_EQ(r.issues.size(), 1u);
        EXPECT_EQ(r.issues[0].file, cruise.folder.path(row.file));
        EXPECT_NE(r.issues[0].what.find(row.what), std::string::npos) << r.issues[0].what;
        EXPECT_EQ(d.ncast, row.ncast);
        EXPECT_EQ(d.castno[2], "002");
        EXPECT_EQ(d.castdat(2, 2, kDepth), 2);
        EXPECT_EQ(d.castno[3], "old");
        EXPECT_EQ(d.npts[3], 3);
        EXPECT_EQ(d.castdat(3, 1, kDepth), -3001);
        EXPECT_EQ(d.castno[4], "old");
    }
}

TEST(ReadSb911, FirstLineOutsideTheTwoLayoutsStopsBeforeAnyCast) {
    struct Row {
        const char* name;
        std::string cast1;
        std::string what;
    };
    const Row rows[] = {
        {"four values", " 2.0 20.5 31.6 0.37\n", "its first line holds 4 values; a cast file holds 5 or 6 to a scan"},
        {"seven values", " 2 20 31 0.3 3.8 245 1\n", "its first line holds 7 values"},
        {"comma-separated line reads as one item", "2.0,20.5,31.6,0.37,3.86,245\n", "its first line holds 1 value;"},
        {"no scans at all", "\r\n  \r\n", "holds no scans"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise cruise;
        cruise.cast_file("001", row.cast1);
        CruiseData d;
        fill_earlier_load(d);
        d.ncol = 4;
        const LoadResult r = read_sb911(d, cruise.header({cast("001")}));
        EXPECT_TRUE(r.stopped);
        ASSERT_EQ(r.issues.size(), 1u);
        EXPECT_EQ(r.issues[0].file, cruise.folder.path("CRUISEd001.PRE"));
        EXPECT_NE(r.issues[0].what.find(row.what), std::string::npos) << r.issues[0].what;
        EXPECT_EQ(d.ncast, 0);
        EXPECT_EQ(d.ncol, 4);
        EXPECT_EQ(d.castno[1], "old");
    }
}

TEST(ReadSb911, HeaderThatCannotBeOpenedLoadsNothing) {
    ScratchFolder folder;
    CruiseData d;
    d.ncast = 7;
    const LoadResult r = read_sb911(d, folder.path("NONE.hdr"));
    EXPECT_FALSE(r.header_read);
    EXPECT_TRUE(r.stopped);
    ASSERT_EQ(r.issues.size(), 1u);
    EXPECT_EQ(r.issues[0].file, folder.path("NONE.hdr"));
    EXPECT_EQ(d.ncast, 0);
}

TEST(ReadSb911, HeaderWithoutRecordsLeavesNcastAtZero) {
    ScratchFolder folder;
    CruiseData d;
    const LoadResult r = read_sb911(d, folder.write("EMPTY.hdr", "\r\n   \r\n"));
    EXPECT_TRUE(r.issues.empty());
    EXPECT_EQ(d.ncast, 0);
    EXPECT_FALSE(d.ncol.is_set());
}

// Deep casts of the real cruise hold up to 997 one-metre bins: the first 500
// are kept and the load goes on.
TEST(ReadSb911, CastOfMoreThan500ScansKeepsItsFirst500) {
    Cruise cruise;
    cruise.cast_file("001", scans6(2));
    cruise.cast_file("021", scans6(997, 4));
    cruise.cast_file("022", scans6(3));
    CruiseData d;
    const LoadResult r = read_sb911(d, cruise.header({cast("001"), cast("021"), cast("022")}));
    EXPECT_FALSE(r.stopped);
    ASSERT_EQ(r.issues.size(), 1u);
    EXPECT_EQ(r.issues[0].file, cruise.folder.path("CRUISEd021.PRE"));
    EXPECT_EQ(r.issues[0].what, "holds more than 500 scans; the first 500 were kept");
    EXPECT_EQ(d.npts[2], 500);
    EXPECT_EQ(d.castdat(2, 500, kDepth), 503);
    EXPECT_EQ(d.ncast, 3);
    EXPECT_EQ(d.npts[3], 3);
}

TEST(ReadSb911, ExactlyFiveHundredScansIsNoProblem) {
    Cruise cruise;
    cruise.cast_file("001", scans6(500) + "\r\n\r\n");
    CruiseData d;
    const LoadResult r = read_sb911(d, cruise.header({cast("001")}));
    EXPECT_TRUE(r.issues.empty());
    EXPECT_EQ(d.npts[1], 500);
}

TEST(ReadSb911, TwoHundredCastsFillTheStoreAndAFurtherOneStopsTheLoad) {
    for (int records : {200, 201}) {
        SCOPED_TRACE(records);
        Cruise cruise;
        cruise.cast_file("001", scans6(1));
        std::vector<Record> header(static_cast<std::size_t>(records), cast("001"));
        header[199].month = "12";
        CruiseData d;
        const LoadResult r = read_sb911(d, cruise.header(header));
        EXPECT_EQ(d.ncast, 200);
        EXPECT_EQ(d.month[200], 12);  // the month column holds all 200 casts
        EXPECT_EQ(r.stopped, records == 201);
        if (records == 201) {
            ASSERT_EQ(r.issues.size(), 1u);
            EXPECT_EQ(r.issues[0].file, cruise.folder.path("CRUISE.hdr"));
            EXPECT_EQ(r.issues[0].what, "lists more than 200 casts; the first 200 were loaded");
        }
    }
}

#ifdef QUENVAR_SAMPLES_DIR
TEST(ReadSb911, SampleCruiseLoadsWhole) {
    std::string header;
    for (const auto& entry : std::filesystem::directory_iterator(QUENVAR_SAMPLES_DIR "/sb911"))
        if (entry.path().extension() == ".hdr") header = entry.path().string();
    ASSERT_FALSE(header.empty());
    CruiseData d;
    const LoadResult r = read_sb911(d, header);
    ASSERT_TRUE(r.issues.empty()) << r.issues[0].file << ": " << r.issues[0].what;
    EXPECT_EQ(d.ncast, 35);
    EXPECT_EQ(d.ncol, 5);
    for (int c = 1; c <= 35; ++c) {
        SCOPED_TRACE(c);
        EXPECT_GT(d.npts[c], 10);
        // The real positions: southern New England shelf, 39.77 N to 41.32 N,
        // 70.58 W to 70.99 W.
        EXPECT_GT(d.lon[c], 70.5);
        EXPECT_LT(d.lon[c], 71);
        EXPECT_GT(d.lat[c], 39.7);
        EXPECT_LT(d.lat[c], 41.4);
        const int n = static_cast<int>(d.npts[c]);
        EXPECT_GT(d.castdat(c, n, kDepth), d.castdat(c, 1, kDepth));
        EXPECT_GT(d.castdat(c, n, kSigma), d.castdat(c, 1, kSigma));  // denser at depth
    }
}
#endif

}  // namespace

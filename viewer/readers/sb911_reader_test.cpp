#include "readers/sb911_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "readers/sigma_t.h"
#include "testing/scratch_folder.h"

namespace {

// Cast `castno` at 41 12.0' N 70 53.1' W, 20 July 2018 17.4 h, 20 m, station L01.
std::string record(const std::string& castno) {
    std::string r = std::string("E617") + "41" + "120" + " 70" + "531" + "   " + "18" + "07" + "20" + "174" + "   ";
    r += castno + "  20";
    r.resize(69, ' ');
    return r + "L01";
}

// Two scans of six values, at depths 1 and 2.
const std::string kTwoScans = " 1 18.5 32.5 0.8 4.1 99\n 2 18.5 32.5 0.8 4.1 99\n";

// A store an earlier load left: ncol 4, casts 1-4 "old", 3 scans, the first at depth -c.
struct Cruise {
    ScratchFolder folder;
    CruiseData d;
    Cruise() {
        d.ncol = d.ncast = 4;
        for (int c = 1; c <= 4; ++c) d.castno[c] = "old", d.npts[c] = 3, d.castdat(c, 1, kDepth) = -c;
    }
    std::string cast(const std::string& no) const { return folder.path("CRUISEd" + no + ".PRE"); }
    void cast(const std::string& no, const std::string& text) const { folder.write("CRUISEd" + no + ".PRE", text); }
    LoadResult load(const std::string& header) { return read_sb911(d, folder.write("CRUISE.hdr", header)); }
};

// A full store of 200 casts. Cast 1 holds 500 scans, whose first line fixes the layout; cast 2 holds the numbers 1
// to 30, five to a line, between blanks, tabs and commas, and is read as cast 1 says; the rest are empty. Files from
// DOS, Windows, old Macs and Unix machines load alike.
TEST(ReadSb911, FullCruiseInEitherLayoutWhateverTheLineEnds) {
    // Cast 1's scan; before each line, after each but the last, after it; then cast 2's ncol, npts and scan 2.
    // clang-format off
    const struct { const char* name; std::string first, gap, end, tail; double ncol, npts, depth, trans; } rows[] = {
        {"five values: transmission 0; CRLF, blank lines, trailing blanks, no end to the last line",
         " 2 20.5 31.6 0.37 -1e9", "\r\n \t\r\n", "   \r\n", "  ", 4, 6, 6, 0},
        {"six values, transmission the fifth; CR alone; Ctrl-Z marks ending the file",
         " 2 20 31 0.3 3.8 245", "", "\r", "\r\x1a\x1a", 5, 5, 7, 11},
    };  // clang-format on
    const char* const separators[] = {" +", ",", ",,", "\t", " , "};
    std::vector<std::string> numbers(6);
    for (int k = 0; k < 30; ++k) numbers[std::size_t(k / 5)] += separators[k % 5] + std::to_string(k + 1) + "e0";
    // Records 3 and 4 try the columns: leading blanks, blanks inside a field (read as one number), a letter
    // ending one, a comma ending the record in the station; a record ending before the bottom depth.
    std::vector<std::string> records(200, record("003"));
    records[0] = record("001");
    records[1] = record("002");
    records[2] = "  " + record("003").replace(6, 3, "3 5").replace(24, 3, "13N").replace(71, 1, ",");
    records[3] = record("003").substr(0, 33);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto text = [&](const std::vector<std::string>& lines) {
            std::string t;
            for (const std::string& line : lines) t += row.gap + line + row.end;
            return t.substr(0, t.size() - row.end.size()) + row.tail;
        };
        Cruise c;
        c.cast("001", text(std::vector<std::string>(500, row.first)));
        c.cast("002", text(numbers));
        c.cast("003", row.gap);
        const LoadResult r = c.load(text(records));
        ASSERT_TRUE(r.issues.empty()) << r.issues[0].file << ": " << r.issues[0].what;
        EXPECT_EQ(std::tuple(c.d.ncast, c.d.ncol, c.d.npts[1], c.d.npts[2], c.d.npts[3]),
                  std::tuple(200, row.ncol, 500, row.npts, 0));
        const auto at = [&](int v) { return c.d.castdat(2, 2, v); };
        const double z = row.depth;
        EXPECT_EQ(std::tuple(at(kDepth), at(kTemp), at(kSalt), at(kFluor), at(kTrans), at(kSigma)),
                  std::tuple(z, z + 1, z + 2, z + 3, row.trans, sigmat(z + 1, z + 2)));
        EXPECT_TRUE(at(kTrans).is_set());
        EXPECT_EQ(c.d.castdat(3, 1, kDepth), -3);  // beyond npts the earlier load stays
        const CruiseData& d = c.d;
        EXPECT_EQ(std::tuple(d.castno[2], d.castfile[2], d.stdsta[2], d.latdeg[2], d.latmin[2], d.lat[2], d.londeg[2],
                             d.lonmin[2], d.lon[2], d.year[2], d.month[2], d.day[2], d.hour[2], d.botdep[2]),
                  std::tuple("002", c.cast("002"), "L01", 41, 12, 41 + 12.0 / 60, 70, 53.1, 70 + 53.1 / 60, 18, 7, 20,
                             17.4, 20));
        EXPECT_EQ(
            std::tuple(d.latmin[3], d.lat[3], d.hour[3], d.stdsta[3], d.stdsta[4], d.botdep[4].is_set(), d.botdep[4]),
            std::tuple(3.5, 41 + 3.5 / 60, 1.3, "L0", "", true, 0));
    }
}

// A failure stops the load: the casts read whole stay, the failed cast and those after it keep what the earlier load
// left, and ncol changes only with a valid layout. A message quotes at most 64 characters of a bad item.
TEST(ReadSb911, FailuresStopTheLoadKeepingTheWholeCasts) {
    const std::string fifo = "<fifo>";
    const auto header = [](int records) {
        std::string h;
        for (int i = 0; i < records; ++i) h += record("00" + std::to_string(i % 4 + 1)) + "\n";
        return h;
    };
    const auto third_scan = [](const std::string& last) { return kTwoScans + " 3 19 31 0.4 3.8 " + last + "\n"; };
    // The file and the text written in its place; the issue; ncast and ncol after.
    // clang-format off
    const struct { const char* name; std::string file, text, what; double ncast, ncol; } rows[] = {
        {"a 201st record", "CRUISE.hdr", header(201), "lists more than 200 casts; the first 200 were loaded", 200, 5},
        {"a NUL in the third cast number", "CRUISE.hdr", header(2) + record(std::string("0\0", 2) + "1") + "\n",
         "line 3: the cast number holds a control character (\\x00)", 2, 5},
        {"header line over 1 MiB", "CRUISE.hdr", header(2) + std::string(2 << 20, ' '), "line 3 is longer than", 2, 5},
        {"cast file is a FIFO", "CRUISEd003.PRE", fifo, "is not a regular file (a FIFO)", 2, 5},
        {"scan cut short by the end of the file", "CRUISEd003.PRE", kTwoScans + " 3 19.1 31.7\n",
         "scan 3 is cut short by the end of the file (3 of 6 values)", 2, 5},
        {"a value beyond 1e9", "CRUISEd003.PRE", third_scan("1.0000001e9"), "line 3: \"1.0000001e9\" is beyond", 2, 5},
        {"a Ctrl-Z before more data", "CRUISEd003.PRE", kTwoScans + "\x1a 3 19 31 0.4 3.8 99\n",
         "line 3: a Ctrl-Z (0x1A, the DOS end-of-file mark) is followed by more data", 2, 5},
        {"nan after blank lines", "CRUISEd003.PRE", third_scan("\r\n\r\nnan"), "line 5: \"nan\" is not a number", 2, 5},
        {"first line of four values", "CRUISEd001.PRE", " 2.0 20.5 31.6 0.37\n",
         "its first line holds 4 values; a cast file holds 5 or 6 to a scan", 0, 4},
        {"first line between tabs and commas reads as one value", "CRUISEd001.PRE", "2.0\t20.5\t31.6,0.37,3.86,245\n",
         "its first line holds 1 value;", 0, 4},
        {"cast one holds no scans", "CRUISEd001.PRE", "\r\n  \r\n", "holds no scans", 0, 4},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Cruise c;
        for (int i = 1; i <= 4; ++i) c.cast("00" + std::to_string(i), kTwoScans);
        c.folder.write("CRUISE.hdr", header(4));
        const std::string path = c.folder.path(row.file);
        std::filesystem::remove(path);
        if (row.text == fifo)
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        else
            c.folder.write(row.file, row.text);
        const LoadResult r = read_sb911(c.d, c.folder.path("CRUISE.hdr"));
        ASSERT_EQ(std::tuple(r.stopped, r.issues.size(), c.d.ncast, c.d.ncol),
                  std::tuple(true, 1u, row.ncast, row.ncol));
        EXPECT_EQ(r.issues[0].file, path);
        EXPECT_NE(r.issues[0].what.find(row.what), std::string::npos) << r.issues[0].what;
        for (int i = 1; i <= 4; ++i) {
            const auto want = i <= row.ncast ? std::tuple("00" + std::to_string(i), 2, 1.0)
                                             : std::tuple(std::string("old"), 3, double(-i));
            EXPECT_EQ(std::tuple(c.d.castno[i], c.d.npts[i], c.d.castdat(i, 1, kDepth).value()), want) << i;
        }
    }
}

}  // namespace

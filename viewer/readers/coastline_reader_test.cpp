#include "readers/coastline_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "readers/text_source.h"
#include "testing/scratch_folder.h"

namespace {

using Seg = std::array<double, 4>;

// Reads the coastline file at `path`, keeping the segments handed on.
CoastResult read(const std::string& path, std::vector<Seg>& segs) {
    segs.clear();
    return read_coastline(path, [&segs](float x1, float y1, float x2, float y2) { segs.push_back({x1, y1, x2, y2}); });
}

// The file's own format: a count alone on its line, then "lon,lat" lines with east-positive longitudes. Expected
// segments are in map units (degrees west).
TEST(CoastFile, ReadingRules) {
    // clang-format off
    const struct { const char* name; std::string content; std::vector<Seg> lines; long polylines, points; } rows[] = {
        {"count 1 reads one point, draws nothing", "1\n-70,41\n2\n-69,40\n-68,40\n", {{69, 40, 68, 40}}, 2, 3},
        {"count 0 still consumes one point", "0\n-70,41\n2\n-69,40\n-68,40\n", {{69, 40, 68, 40}}, 2, 3},
        {"blanks, tabs, CRLF", "2\r\n  -70.5 , 41.25\t\r\n-70 ,\t41.5\r\n", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        {"CR alone, exponent and plus sign", "2\r-7.05e1,+41.25\r-70,4.15E1\r", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        {"items on one line, blank-separated", "2 -70.5 41.25 -70 41.5", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        {"a line of the longest length",
         "2\n-70.5,41.25" + std::string(TextSource::kMaxLine - 11, ' ') + "\n-70,41.5\n",
         {{70.5, 41.25, 70, 41.5}}, 1, 2},
    };  // clang-format on
    ScratchFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<Seg> segs;
        const CoastResult r = read(folder.write("coast.bln", row.content), segs);
        EXPECT_TRUE(r.ok()) << r.message();
        EXPECT_EQ(segs, row.lines);
        EXPECT_EQ(std::tuple(r.polylines, r.points, r.segments),
                  std::tuple(row.polylines, row.points, long(segs.size())));
    }
}

// A fault stops the reading; what came before it stays drawn, and the message names the file.
TEST(CoastFile, FaultsKeepWhatWasDrawn) {
    ScratchFolder folder;
    // Every file starts with one segment, the CR LF of its count across the 64 KiB reads (lines 1-3), then the row's
    // text; a row with a path opens that instead.
    const std::string start = "2" + std::string((1 << 16) - 2, ' ') + "\r\n-70,41\n-69,41\n";
    // clang-format off
    const struct { const char* name; std::string text; long segments; std::string problem, path = ""; } rows[] = {
        {"non-numeric latitude", "3\n-68,40\n-67,4O\n", 1, "line 6: latitude \"4O\" is not a number"},
        {"fractional count", "2.5\n-68,40\n-67,40\n", 1, "line 4: count \"2.5\" is not a whole number"},
        {"not a finite number", "2\nnan,40\n-67,40\n", 1, "line 5: longitude \"nan\" is not a number"},
        {"empty item between commas", "2\n-68,,40\n", 1, "line 5: an empty item between two commas"},
        {"ends inside a polyline", "3\n-68,40\n-67,40\n", 2, "the file ends inside a polyline (count 3, 2"},
        {"binary garbage, quoted short", std::string(200, '\0'), 1,
         "line 4: an item of more than 64 characters is not a number: \"" + std::string(64, '\0') + "\"..."},
        {"a line over 1 MiB", std::string(TextSource::kMaxLine + 1, '7') + "\n", 1,
         "line 4 is longer than 1048576 characters"},
        {"missing", "", 0, "cannot be opened: No such file or directory", "none.bln"},
        {"a folder", "", 0, "is not a regular file (a folder)", "."},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = row.path.empty() ? folder.write("coast.bln", start + row.text) : folder.path(row.path);
        std::vector<Seg> segs;
        const CoastResult r = read(path, segs);
        std::string want = row.problem;
        for (std::size_t k = want.find('\0'); k != std::string::npos; k = want.find('\0')) want.replace(k, 1, "\\x00");
        EXPECT_EQ(std::tuple(r.ok(), r.segments, long(segs.size())), std::tuple(false, row.segments, row.segments));
        EXPECT_EQ(r.problem.rfind(want, 0), 0u) << r.problem;
        EXPECT_EQ(r.message(), path + ": " + r.problem);
    }
}

}  // namespace

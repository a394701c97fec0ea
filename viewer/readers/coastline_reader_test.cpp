#include "readers/coastline_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

using Seg = std::array<double, 4>;

class CoastFile : public ::testing::Test {
protected:
    std::string write(const std::string& content) { return folder_.write("coast.bln", content); }
    // Reads the file at `path`, keeping the segments handed on.
    CoastResult read(const std::string& path) {
        segs_.clear();
        return read_coastline(path, [this](float x1, float y1, float x2, float y2) { segs_.push_back({x1, y1, x2, y2}); });
    }

    ScratchFolder folder_;
    std::vector<Seg> segs_;
};

// The file's own format: a count alone on its line, then "lon,lat" lines with
// east-positive longitudes. Expected segments are in map units (degrees west).
TEST_F(CoastFile, ReadingRules) {
    struct Row {
        const char* name;
        std::string content;
        std::vector<Seg> lines;
        long polylines, points;
    };
    const std::vector<Row> rows = {
        {"longitude -70.5 lands at x 70.5", "2\n-70.5,41.25\n-70,41.5\n", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        {"count 1 reads one point, draws nothing", "1\n-70,41\n2\n-69,40\n-68,40\n", {{69, 40, 68, 40}}, 2, 3},
        {"count 0 still consumes one point", "0\n-70,41\n2\n-69,40\n-68,40\n", {{69, 40, 68, 40}}, 2, 3},
        {"blanks, tabs, CRLF", "2\r\n  -70.5 , 41.25\t\r\n-70 ,\t41.5\r\n", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        {"items on one line, blank-separated", "2 -70.5 41.25 -70 41.5", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        {"exponent and plus sign", "2\n-7.05e1,+41.25\n-70,4.15E1\n", {{70.5, 41.25, 70, 41.5}}, 1, 2},
        // Line gets single precision: 70.123456789 -> float 70.12345886230469.
        {"single precision", "2\n-70.123456789,41.1\n-70,41\n", {{double(70.123456789f), double(41.1f), 70, 41}}, 1, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CoastResult r = read(write(row.content));
        EXPECT_TRUE(r.ok()) << r.message();
        EXPECT_EQ(segs_, row.lines);
        EXPECT_EQ(r.polylines, row.polylines);
        EXPECT_EQ(r.points, row.points);
        EXPECT_EQ(r.segments, static_cast<long>(row.lines.size()));
    }
}

// A fault stops the reading; what came before it stays drawn.
TEST_F(CoastFile, FaultsKeepWhatWasDrawn) {
    const std::string good = "2\n-70,41\n-69,41\n";  // lines 1-3, one segment
    struct Row {
        const char* name;
        std::string content;
        long segments;
        std::string problem;
    };
    const std::vector<Row> rows = {
        {"non-numeric latitude", good + "3\n-68,40\n-67,4O\n", 1, "line 6: latitude \"4O\" is not a number"},
        {"fractional count", good + "2.5\n-68,40\n-67,40\n", 1, "line 4: count \"2.5\" is not a whole number"},
        {"not a finite number", good + "2\nnan,40\n-67,40\n", 1, "line 5: longitude \"nan\" is not a number"},
        {"two signs", good + "2\n+-68,40\n-67,40\n", 1, "line 5: longitude \"+-68\" is not a number"},
        {"empty item between commas", good + "2\n-68,,40\n", 1, "line 5: an empty item between two commas"},
        {"ends inside a polyline", good + "3\n-68,40\n-67,40\n", 2, "the file ends inside a polyline (count 3, 2"},
        {"binary garbage", good + std::string(200, '\0'), 1, "line 4: an item of more than 64 characters"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = write(row.content);
        const CoastResult r = read(path);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.segments, row.segments);
        EXPECT_EQ(static_cast<long>(segs_.size()), row.segments);
        EXPECT_EQ(r.problem.rfind(row.problem, 0), 0u) << r.problem;
        EXPECT_EQ(r.message(), path + ": " + r.problem);
    }
}

TEST_F(CoastFile, MissingFileOrFolderNamesTheFile) {
    for (const std::string& p : {folder_.path("none.bln"), folder_.path("")}) {
        SCOPED_TRACE(p);
        const CoastResult r = read(p);
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(segs_.empty());
        EXPECT_EQ(r.file, p);
        EXPECT_NE(r.problem.find("cannot be"), std::string::npos) << r.problem;
    }
}

// The bundled files, read as the viewer reads them. Counts are those printed
// by scripts/make-coast.sh when it wrote them; the areas are the frames plus
// its 0.2 degree margin, in degrees west.
TEST_F(CoastFile, BundledFilesReadWholeAndStayInsideTheirArea) {
    const fs::path data = QUENVAR_DATA_DIR;
    struct Row {
        const char* name;
        long polylines, points;
        double west, east, north, south;
    };
    const Row rows[] = {
        {"brscale2.bln", 102, 1690, 71.2, 65.3, 42.7, 39.8},
        {"brscale.bln", 822, 8437, 72.2, 64.3, 44.2, 36.4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CoastResult r = read((data / row.name).string());
        ASSERT_TRUE(r.ok()) << r.message();
        EXPECT_EQ(r.polylines, row.polylines);
        EXPECT_EQ(r.points, row.points);
        EXPECT_EQ(r.segments, row.points - row.polylines);
        for (const Seg& c : segs_) {
            for (double x : {c[0], c[2]}) ASSERT_TRUE(x <= row.west + 1e-4 && x >= row.east - 1e-4) << x;
            for (double y : {c[1], c[3]}) ASSERT_TRUE(y <= row.north + 1e-4 && y >= row.south - 1e-4) << y;
        }
    }
}

}  // namespace

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// What a coastline file held, and why reading stopped early.
struct [[nodiscard]] CoastResult {
    std::string file;     // the path read
    long polylines = 0;   // polylines read to their last point
    long points = 0;      // points read, those of an unfinished polyline included
    long segments = 0;    // segments handed on
    std::string problem;  // empty when the whole file was read

    bool ok() const { return problem.empty(); }
    // "<file>: <problem>"; empty when ok.
    std::string message() const;
};

// One segment of a coastline in map units: degrees west, degrees north,
// rounded to single precision.
using CoastSegment = std::function<void(float x1, float y1, float x2, float y2)>;

// Reads the coastline file at `path` (.bln) and hands every segment to
// `segment` in file order.
//
// The file is a sequence of polylines: a point count n, then n points, each a
// longitude (degrees east, so negative in the western hemisphere) and a
// latitude (degrees north). Items are separated by commas, blanks or line ends.
// Longitudes are negated to the map's degrees west. A count below 2 still
// consumes one point and yields nothing; consecutive polylines are not joined.
//
// A file that cannot be opened or read, holds an item that is not a finite
// number (or a count that is not a whole number), or ends inside a polyline
// stops the reading there: the segments handed on before stay handed on, and
// the result names the file and the problem. Nothing is thrown.
[[nodiscard]] CoastResult read_coastline(const std::string& path, const CoastSegment& segment);

// The points of a coastline file one by one, in map units; `starts` marks the
// first point of each polyline. Reading and faults as read_coastline.
using CoastPoint = std::function<void(bool starts, float x, float y)>;
[[nodiscard]] CoastResult read_coastline_points(const std::string& path, const CoastPoint& on_point);

// A coastline file held in memory, each polyline with its bounding box, so a
// large (world) file can be drawn a frame at a time.
struct CoastIndex {
    struct Polyline {
        float west, east, north, south;  // bounding box, degrees west and north
        std::size_t first, count;        // its points, from xy[2 * first]
    };
    std::vector<float> xy;  // x, y of every point, map units
    std::vector<Polyline> lines;
    CoastResult result;  // what reading the file met
};

// The index of the coastline file at `path`, read once and kept for the life
// of the program (read again when the file's size, inode or time changes).
const CoastIndex& coast_index(const std::string& path);

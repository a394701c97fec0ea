#pragma once

#include <functional>
#include <string>

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

#pragma once

#include <string>

#include "surface/plot_surface.h"

// What drawcoast read from a coastline file, and why it stopped early.
struct CoastResult {
    std::string file;     // the path read
    long polylines = 0;   // polylines read to their last point
    long points = 0;      // points read, those of an unfinished polyline included
    long segments = 0;    // Line calls made
    std::string problem;  // empty when the whole file was read

    bool ok() const { return problem.empty(); }
    // "<file>: <problem>"; empty when ok.
    std::string message() const;
};

// Draws the coastline file at `path` on `s` with Line, in the surface's current
// ForeColor and DrawStyle, which it leaves as they are.
//
// The file (.bln) is a sequence of polylines: a point count n, then n points,
// each a longitude (degrees east, so negative in the western hemisphere) and a
// latitude (degrees north). Items are separated by commas, blanks or line ends.
// Longitudes are negated to the map's degrees west. A count below 2 still
// consumes one point and draws nothing; consecutive polylines are not joined.
// Coordinates reach Line rounded to single precision.
//
// A file that cannot be opened or read, holds an item that is not a finite
// number (or a count that is not a whole number), or ends inside a polyline
// stops the drawing there: what was read before stays drawn, and the result
// names the file and the problem. Nothing is thrown.
CoastResult drawcoast(PlotSurface& s, const std::string& path);

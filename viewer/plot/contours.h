#pragma once

#include <vector>

// A field sampled on a regular grid of nx x ny nodes: node (i, j) lies at
// x(i), y(j), from (x0, y0) at node (0, 0) to (x1, y1) at node (nx - 1, ny - 1).
// A NaN value is a node without data.
struct Field {
    int nx = 0, ny = 0;
    double x0 = 0, y0 = 0, x1 = 1, y1 = 1;
    std::vector<double> z;  // row by row: z[j * nx + i]

    Field() = default;
    Field(int nx, int ny, double x0, double y0, double x1, double y1);
    double& at(int i, int j) { return z[std::size_t(j) * std::size_t(nx) + std::size_t(i)]; }
    double at(int i, int j) const { return z[std::size_t(j) * std::size_t(nx) + std::size_t(i)]; }
    double x(int i) const { return nx > 1 ? x0 + (x1 - x0) * i / (nx - 1) : x0; }
    double y(int j) const { return ny > 1 ? y0 + (y1 - y0) * j / (ny - 1) : y0; }
};

struct FieldPoint {
    double x, y;
    bool operator==(const FieldPoint&) const = default;
};
using Polyline = std::vector<FieldPoint>;

// The lines where the field equals `level`, by marching squares. A node counts
// as above when its value is >= level; a line crosses each cell edge whose two
// nodes lie on either side, at the linear interpolation of their values, and
// the crossing on an edge is the same point for both cells that share it, so
// the lines have no gaps. A saddle cell (two opposite corners above, two below)
// joins the corners that lie on the same side as the mean of the four. Cells
// with a NaN corner have no line. The pieces are joined into polylines; a
// closed line ends with its first point again.
std::vector<Polyline> trace_contours(const Field& f, double level);

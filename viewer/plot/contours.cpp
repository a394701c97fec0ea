#include "plot/contours.h"

#include <algorithm>
#include <cmath>

Field::Field(int nx_, int ny_, double x0_, double y0_, double x1_, double y1_)
    : nx(std::max(nx_, 0)),
      ny(std::max(ny_, 0)),
      x0(x0_),
      y0(y0_),
      x1(x1_),
      y1(y1_),
      z(std::size_t(nx) * std::size_t(ny), NAN) {}

namespace {

// Cell edges by number: the edge from node (i, j) to (i + 1, j) is 2 n, the
// one from (i, j) to (i, j + 1) is 2 n + 1, n = j nx + i.
struct Edges {
    const Field& f;
    double level;

    int across(int i, int j) const { return 2 * (j * f.nx + i); }
    int down(int i, int j) const { return 2 * (j * f.nx + i) + 1; }

    // Where the level crosses edge e; computed from the edge's own two nodes,
    // whichever cell asks.
    FieldPoint point(int e) const {
        const int n = e / 2, i = n % f.nx, j = n / f.nx;
        const bool vertical = e % 2 == 1;
        const double za = f.at(i, j), zb = vertical ? f.at(i, j + 1) : f.at(i + 1, j);
        const double t = (level - za) / (zb - za);
        if (vertical) return {f.x(i), f.y(j) + t * (f.y(j + 1) - f.y(j))};
        return {f.x(i) + t * (f.x(i + 1) - f.x(i)), f.y(j)};
    }
};

struct Piece {
    int a, b;  // the two edges it joins
};

// The pieces of line in cell (i, j), appended to `out`.
void cell_pieces(const Field& f, const Edges& e, double level, int i, int j, std::vector<Piece>& out) {
    const double z[4] = {f.at(i, j), f.at(i + 1, j), f.at(i + 1, j + 1), f.at(i, j + 1)};
    if (std::isnan(z[0]) || std::isnan(z[1]) || std::isnan(z[2]) || std::isnan(z[3])) return;
    const bool up[4] = {z[0] >= level, z[1] >= level, z[2] >= level, z[3] >= level};
    // Edges 0..3 of the cell: corner k to corner k + 1 (corner 3 back to 0).
    const int edge[4] = {e.across(i, j), e.down(i + 1, j), e.across(i, j + 1), e.down(i, j)};
    int crossed[4], n = 0;
    for (int k = 0; k < 4; ++k)
        if (up[k] != up[(k + 1) % 4]) crossed[n++] = k;
    if (n == 2) {
        out.push_back({edge[crossed[0]], edge[crossed[1]]});
    } else if (n == 4) {
        // A saddle: the centre, by the mean, decides which corners connect.
        const bool centre_up = (z[0] + z[1] + z[2] + z[3]) / 4 >= level;
        if (centre_up == up[0]) {  // corners 0 and 2 connect: cut off 1 and 3
            out.push_back({edge[0], edge[1]});
            out.push_back({edge[2], edge[3]});
        } else {  // cut off 0 and 2
            out.push_back({edge[3], edge[0]});
            out.push_back({edge[1], edge[2]});
        }
    }
}

}  // namespace

std::vector<Polyline> trace_contours(const Field& f, double level) {
    std::vector<Polyline> lines;
    if (f.nx < 2 || f.ny < 2 || !std::isfinite(level) || f.z.size() != std::size_t(f.nx) * std::size_t(f.ny))
        return lines;
    const Edges e{f, level};
    std::vector<Piece> pieces;
    for (int j = 0; j + 1 < f.ny; ++j)
        for (int i = 0; i + 1 < f.nx; ++i) cell_pieces(f, e, level, i, j, pieces);
    if (pieces.empty()) return lines;

    // Each crossed edge is shared by at most two pieces.
    std::vector<int> owners(std::size_t(2 * f.nx * f.ny) * 2, -1);
    for (int p = 0; p < int(pieces.size()); ++p)
        for (int edge : {pieces[std::size_t(p)].a, pieces[std::size_t(p)].b}) {
            int* slot = &owners[std::size_t(edge) * 2];
            (slot[0] < 0 ? slot[0] : slot[1]) = p;
        }
    std::vector<bool> used(pieces.size(), false);
    // From `edge`, the piece past it other than `from` and not yet used; -1 if none.
    const auto next = [&](int edge, int from) {
        for (int k = 0; k < 2; ++k) {
            const int p = owners[std::size_t(edge) * 2 + std::size_t(k)];
            if (p >= 0 && p != from && !used[std::size_t(p)]) return p;
        }
        return -1;
    };
    // Follows the line from piece p through `edge` onwards, the edges met in order.
    const auto follow = [&](int p, int edge) {
        std::vector<int> run;
        for (int q = next(edge, p); q >= 0; q = next(edge, q)) {
            used[std::size_t(q)] = true;
            edge = pieces[std::size_t(q)].a == edge ? pieces[std::size_t(q)].b : pieces[std::size_t(q)].a;
            run.push_back(edge);
        }
        return run;
    };
    for (int p = 0; p < int(pieces.size()); ++p) {
        if (used[std::size_t(p)]) continue;
        used[std::size_t(p)] = true;
        const Piece start = pieces[std::size_t(p)];
        const std::vector<int> ahead = follow(p, start.b);
        const std::vector<int> behind = follow(p, start.a);  // empty for a closed line
        Polyline line;
        for (auto it = behind.rbegin(); it != behind.rend(); ++it) line.push_back(e.point(*it));
        line.push_back(e.point(start.a));
        line.push_back(e.point(start.b));
        for (int edge : ahead) line.push_back(e.point(edge));
        lines.push_back(std::move(line));
    }
    return lines;
}

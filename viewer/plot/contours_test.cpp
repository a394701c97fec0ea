#include "plot/contours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

Field sampled(int n, double lo, double hi, const std::function<double(double, double)>& z) {
    Field f(n, n, lo, lo, hi, hi);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) f.at(i, j) = z(f.x(i), f.y(j));
    return f;
}

// Fields whose level sets are known: every traced point lies on the level set
// (linear interpolation is exact for the plane, within the grid's error for
// the circle), each line is one piece from edge to edge or one closed loop
// (so no gap at a cell edge), and no step is longer than a cell's diagonal.
TEST(TraceContours, KnownLevelSetsAsWholeLines) {
    // clang-format off
    struct Row { const char* name; Field f; double level; std::function<double(FieldPoint)> off; bool closed; };
    const Row rows[] = {  // off: the distance from the level set
        {"the plane x + 2y, a straight line", sampled(21, 0, 1, [](double x, double y) { return x + 2 * y; }), 1.3,
         [](FieldPoint p) { return std::abs(p.x + 2 * p.y - 1.3); }, false},
        {"a level on grid nodes", sampled(11, 0, 1, [](double x, double) { return x; }), 0.5,
         [](FieldPoint p) { return std::abs(p.x - 0.5); }, false},
        {"the paraboloid, a circle", sampled(61, -1, 1, [](double x, double y) { return x * x + y * y; }), 0.25,
         [](FieldPoint p) { return std::abs(std::hypot(p.x, p.y) - 0.5); }, true},
    };  // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const std::vector<Polyline> lines = trace_contours(r.f, r.level);
        ASSERT_EQ(lines.size(), 1u);
        const Polyline& line = lines[0];
        const double cell = (r.f.x1 - r.f.x0) / (r.f.nx - 1);
        EXPECT_EQ(line.front() == line.back(), r.closed);
        EXPECT_GE(line.size(), std::size_t(r.f.nx / 2));
        for (std::size_t k = 0; k < line.size(); ++k) {
            ASSERT_LT(r.off(line[k]), r.closed ? 2e-3 : 1e-12) << k;
            const double step = k > 0 ? std::hypot(line[k].x - line[k - 1].x, line[k].y - line[k - 1].y) : 0;
            ASSERT_LE(step, cell * 1.4143) << k;
        }
    }
}

// A saddle cell joins the corners on the side of the mean of the four,
// whichever way round; a NaN corner leaves its cell without a line.
TEST(TraceContours, SaddlesByTheMeanAndHolesLeftOut) {
    // clang-format off
    struct Row { const char* name; std::vector<double> z; double level; std::vector<Polyline> want; };
    // Nodes (0, 0), (1, 0), (0, 1), (1, 1) in that order; crossings at the mid-points.
    const Row rows[] = {
        {"ones on the diagonal, mean above: the ones joined, cut from 0s", {1, 0, 0, 1}, 0.5,
         {{{0.5, 0}, {1, 0.5}}, {{0.5, 1}, {0, 0.5}}}},
        {"ones off the diagonal, mean above: the ones joined", {0, 1, 1, 0}, 0.5,
         {{{0, 0.5}, {0.5, 0}}, {{1, 0.5}, {0.5, 1}}}},
        {"mean below: the zeros joined", {1, 0, 0, 1}, 0.6, {{{0, 0.4}, {0.4, 0}}, {{1, 0.6}, {0.6, 1}}}},
        {"a NaN corner", {1, 0, NAN, 1}, 0.5, {}},
    };  // clang-format on
    for (const Row& r : rows) {
        Field f(2, 2, 0, 0, 1, 1);
        f.z = r.z;
        EXPECT_EQ(trace_contours(f, r.level), r.want) << r.name;
    }
}

}  // namespace

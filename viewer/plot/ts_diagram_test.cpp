#include "plot/ts_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "readers/sigma_t.h"
#include "surface/recording_surface.h"

namespace {

using Op = RecordingSurface::Op;
constexpr Color kRed = rgb(220, 0, 0), kGrey = rgb(190, 190, 190);

struct Scan {
    double depth, t, s;
};

// Start-up limits: temperature 2..22, salinity 31..36. Cast 4 repeats cast 2's
// first scan; cast 3's second scan lies above the box, its third has no salinity.
CruiseData cruise() {
    const std::vector<std::vector<Scan>> casts = {{{20, 10, 34}, {0, 20, 32}, {10, 15, 33}},
                                                  {{5, 12, 35}, {15, 8, 35.5}},
                                                  {{1, 6, 31.5}, {2, 25, 33}, {3, 7, NAN}},
                                                  {{5, 12, 35}}};
    CruiseData d;
    set_start_values(d);
    d.ncast = double(casts.size());
    for (int c = 1; c <= int(casts.size()); ++c) {
        d.castfile[c] = "c" + std::to_string(c), d.castno[c] = "00" + std::to_string(c);
        for (const Scan& p : casts[std::size_t(c - 1)]) {
            const int k = int(d.npts[c] = d.npts[c] + 1);
            d.castdat(c, k, kDepth) = p.depth, d.castdat(c, k, kTemp) = p.t;
            if (!std::isnan(p.s)) d.castdat(c, k, kSalt) = p.s, d.castdat(c, k, kSigma) = sigmat(p.t, p.s);
        }
    }
    return d;
}

const Canvas kCanvas{400, 300, 7, 13, 2};

std::pair<double, double> at(double t, double s) {
    const Box b = ts_box(kCanvas, false);
    return {b.left + (s - 31) * (b.right - b.left) / 5, b.bottom - (t - 2) * (b.bottom - b.top) / 20};
}

TEST(TsPick, NearestDotWithinTheRadius) {
    const CruiseData d = cruise();
    // clang-format off
    struct Row { const char* name; double t, s, dx, dy; int cast, scan; };  // cast 0: nothing picked
    const Row rows[] = {
        {"on a dot: of two at one place, the lower cast", 12, 35, 0, 0, 2, 1},
        {"on the radius", 20, 32, 0, -4, 1, 2},
        {"just beyond it", 20, 32, 0, -4.01, 0, 0},
        {"a scan above the box", 25, 33, 0, 0, 0, 0},
    };  // clang-format on
    for (const Row& r : rows) {
        const auto [x, y] = at(r.t, r.s);
        const auto pick = ts_pick(d, kCanvas, false, x + r.dx, y + r.dy, 4);
        EXPECT_EQ(pick ? std::pair(pick->cast, pick->scan) : std::pair(0, 0), std::pair(r.cast, r.scan)) << r.name;
    }
}

// Cast 1 current: its line runs in depth order, its surface scan ringed; the
// other casts' dots inside the box, each place once; the isopycnals labelled
// with levels inside the cruise's sigma-t.
TEST(TsDiagram, CurrentCastDotsAndIsopycnals) {
    const CruiseData d = cruise();
    RecordingSurface s;
    draw_ts_diagram(s, d, kCanvas, 1, "");
    std::vector<std::vector<double>> line;
    for (const auto& call : s.of(Op::Line))
        if (call.state.fore == kRed) line.push_back({call.a, call.b, call.c, call.d});
    const auto [x0, y0] = at(20, 32);
    const auto [x1, y1] = at(15, 33);
    const auto [x2, y2] = at(10, 34);
    EXPECT_EQ(line, (std::vector<std::vector<double>>{{x0, y0, x1, y1}, {x1, y1, x2, y2}}));
    ASSERT_EQ(s.of(Op::Circle).size(), 1u);
    EXPECT_EQ(std::pair(s.of(Op::Circle)[0].a, s.of(Op::Circle)[0].b), std::pair(x0, y0));
    const auto fills = [&](Color c) {
        return std::ranges::count_if(s.of(Op::LineBox), [c](const auto& k) { return k.state.fill == c; });
    };
    EXPECT_EQ(std::pair(fills(kGrey), fills(kRed)), std::pair(3L, 3L));

    const std::vector<double> levels = ts_isopycnal_levels(d);
    // 21 to 28 cross the box; the casts' sigma-t (cast 3's scan above the box included) spans 22 to 27 of them.
    EXPECT_EQ(levels, (std::vector<double>{22, 23, 24, 25, 26, 27}));
    std::vector<double> labels;
    for (const auto& p : s.of(Op::Print))
        if (p.state.fore == rgb(150, 150, 150)) labels.push_back(std::stod(p.text));
    EXPECT_TRUE(labels.size() >= 4 && std::ranges::includes(levels, labels)) << labels.size();
}

// Shelf water off Plymouth spans about one unit of sigma-t in the start-up box: its isopycnals come at a finer
// step, 4 to 10 of them through the water, not the one whole unit that crosses it.
TEST(TsDiagram, ANarrowWaterMassGetsItsOwnIsopycnals) {
    CruiseData d = cruise();
    d.ncast = 1, d.npts[1] = 2;
    d.castdat(1, 1, kTemp) = 16, d.castdat(1, 1, kSalt) = 34.6, d.castdat(1, 1, kSigma) = sigmat(16, 34.6);
    d.castdat(1, 2, kTemp) = 13.5, d.castdat(1, 2, kSalt) = 35.1, d.castdat(1, 2, kSigma) = sigmat(13.5, 35.1);
    const std::vector<double> levels = ts_isopycnal_levels(d);
    ASSERT_TRUE(levels.size() >= 4 && levels.size() <= 10) << levels.size();
    EXPECT_TRUE(levels.front() > sigmat(16, 34.6) && levels.back() < sigmat(13.5, 35.1));
    EXPECT_NEAR(levels[1] - levels[0], 0.1, 1e-9);
}

}  // namespace

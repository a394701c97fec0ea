#include "plot/round_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// Axes worked by hand: the smallest step of 1, 2, 2.5, 5 x 10^k whose whole
// multiples bracket the range in at most 8 intervals.
TEST(RoundAxis, SmallestStepThatBracketsInEightIntervals) {
    // clang-format off
    struct Row { const char* name; double lo, hi, want_lo, want_hi, step; };
    const Row rows[] = {
        {"Plymouth temperatures", 14.5786, 15.0299, 14.5, 15.1, 0.1},
        {"sample cruise temperatures", 4.4904, 23.6567, 0, 25, 5},
        {"a step of 2.5", 0, 17, 0, 17.5, 2.5},
        {"multiples stay where they are", 14.5, 15.1, 14.5, 15.1, 0.1},
        {"negative depths", -3.2, 11.6, -4, 12, 2},
        {"all equal: widened by 0.5 each way", 14.6, 14.6, 14, 15.2, 0.2},
        {"not finite", NAN, 3, 0, 1, 1},
    };  // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const RoundAxis a = round_axis(r.lo, r.hi);
        EXPECT_EQ(a.lo, r.want_lo);  // exactly the decimal: 14.5, not 14.499999999999998
        EXPECT_EQ(a.hi, r.want_hi);
        EXPECT_DOUBLE_EQ(a.step, r.step);
    }
    // Any range: 4 to 8 intervals that hold it.
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> mid(-1000, 1000), decade(-4, 4);
    for (int i = 0; i < 2000; ++i) {
        const double lo = mid(gen), hi = lo + std::pow(10.0, decade(gen));
        const RoundAxis a = round_axis(lo, hi);
        ASSERT_TRUE(a.lo <= lo && a.hi >= hi && a.intervals() >= 4 && a.intervals() <= 8)
            << lo << " " << hi << ": " << a.lo << " " << a.hi << " " << a.step;
    }
}

TEST(RoundLevels, StrictlyInsideAtTheSmallestStepThatFits) {
    const std::vector<double> ts = {0.1, 0.2, 0.5, 1, 2};
    // clang-format off
    struct Row { const char* name; double lo, hi; std::vector<double> steps; int max; std::vector<double> want; };
    const Row rows[] = {
        {"a fitted sample box", 20.4, 28.6, ts, 10, {21, 22, 23, 24, 25, 26, 27, 28}},
        {"a narrow box: fewer than four at the finest step", 25.80, 26.13, ts, 10, {25.9, 26.0, 26.1}},
        {"ends on a level are left out", 22, 27, ts, 10, {23, 24, 25, 26}},
        {"too wide for the largest step: the largest", 0, 21, ts, 10, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}},
        {"1-2-5 over a fitted temperature axis", 0, 25, steps_125(), 10, {5, 10, 15, 20}},
    };  // clang-format on
    for (const Row& r : rows) EXPECT_EQ(round_levels(r.lo, r.hi, r.steps, r.max), r.want) << r.name;
}

TEST(RoundTicks, TicksAndTheirLabels) {
    const Ticks t = round_ticks(34.85, 35.1);
    EXPECT_EQ(t.at, (std::vector<double>{34.85, 34.9, 34.95, 35, 35.05, 35.1}));
    EXPECT_EQ(t.decimals, 2);
    EXPECT_EQ(round_label(t.at[3], t.decimals), "35.00");
    EXPECT_EQ(round_label(-0.001, 1), "0.0");
}

}  // namespace

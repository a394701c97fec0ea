#pragma once

#include <string>
#include <vector>

// Round numbers for axes and contour levels.

// An axis from lo to hi in whole steps of `step`.
struct RoundAxis {
    double lo = 0, hi = 1, step = 1;
    int intervals() const;
};

// The smallest step of 1, 2, 2.5 or 5 x 10^k that spans [lo, hi] in at most 8
// intervals (which gives at least 4), lo rounded down and hi up to a whole
// step. Values that are equal are first widened by 0.5 either way. lo > hi
// are taken in order; a value that is not finite gives the axis 0..1.
RoundAxis round_axis(double lo, double hi);

// The multiples of round_axis(lo, hi).step from lo to hi, both ends
// included, and the decimals they need: the ticks of an axis.
struct Ticks {
    std::vector<double> at;
    int decimals = 0;
};
Ticks round_ticks(double lo, double hi);

// The levels strictly inside (lo, hi) at whole multiples of the smallest step
// of `steps` (ascending) that gives at most max_count of them; the largest
// step when none does. Empty when lo >= hi or a value is not finite.
std::vector<double> round_levels(double lo, double hi, const std::vector<double>& steps, int max_count);

// Steps of 1, 2 and 5 x 10^k, from 1e-6 to 1e6: for contour levels over any range.
const std::vector<double>& steps_125();

// The decimals a multiple of `step` needs to be written exactly (0 to 9).
int step_decimals(double step);

// x written with `decimals` decimals, -0 as 0: "14.5", "-2", "0.25".
std::string round_label(double x, int decimals);

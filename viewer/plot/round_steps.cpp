#include "plot/round_steps.h"

#include <algorithm>
#include <cmath>

#include "format/number_format.h"

namespace {

// Multiples are formed as k x m / 10^d with m and 10^d whole numbers, so 145
// steps of 0.1 give the double nearest 14.5, not 14.500000000000002.
double multiple(long long k, double step) {
    const int d = step_decimals(step);
    const double scale = std::pow(10.0, d), m = std::round(step * scale);
    return m > 0 ? double(k) * m / scale : double(k) * step;
}

// Whole steps below and above, with a little slack for values that are a
// multiple but read a hair off it (14.5 / 0.1 is 144.99999999999997).
long long steps_down(double x, double step) { return std::llround(std::floor(x / step + 1e-9)); }
long long steps_up(double x, double step) { return std::llround(std::ceil(x / step - 1e-9)); }

}  // namespace

int RoundAxis::intervals() const { return int(std::lround((hi - lo) / step)); }

int step_decimals(double step) {
    for (int d = 0; d < 9; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::abs(scaled - std::round(scaled)) <= 1e-9 * scaled) return d;
    }
    return 9;
}

std::string round_label(double x, int decimals) {
    std::string pattern = "0";
    if (decimals > 0) pattern.append(1, '.').append(std::size_t(decimals), '0');
    const std::string text = format_number(x, pattern);
    return text.find_first_not_of("-0.") == std::string::npos ? format_number(0, pattern) : text;
}

RoundAxis round_axis(double lo, double hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) return {};
    if (lo > hi) std::swap(lo, hi);
    if (lo == hi) {
        const double widen = std::max(0.5, 1e-3 * std::abs(lo));
        lo -= widen, hi += widen;
    }
    // The step whose whole multiples first fit in 8 intervals; candidates
    // from a decade below span / 8 upwards.
    double decade = std::pow(10.0, std::floor(std::log10((hi - lo) / 8)) - 1);
    for (int tries = 0; tries < 8 && decade > 0 && std::isfinite(decade); ++tries, decade *= 10)
        for (double m : {1.0, 2.0, 2.5, 5.0}) {
            const double step = m * decade;
            const long long a = steps_down(lo, step), b = steps_up(hi, step);
            if (b - a <= 8) return {multiple(a, step), multiple(b, step), step};
        }
    return {lo, hi, hi - lo};
}

Ticks round_ticks(double lo, double hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(lo < hi)) return {};
    const double step = round_axis(lo, hi).step;
    Ticks t{{}, step_decimals(step)};
    for (long long k = steps_up(lo, step); k <= steps_down(hi, step); ++k) t.at.push_back(multiple(k, step));
    return t;
}

std::vector<double> round_levels(double lo, double hi, const std::vector<double>& steps, int max_count) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(lo < hi) || steps.empty()) return {};
    double step = steps.back();
    for (double s : steps)
        if (std::floor(hi / s) - std::ceil(lo / s) + 1 <= max_count) {
            step = s;
            break;
        }
    if ((hi - lo) / step > 1000) return {};
    std::vector<double> out;
    for (long long k = std::llround(std::ceil(lo / step)); k <= std::llround(std::floor(hi / step)); ++k) {
        const double level = multiple(k, step);
        if (level > lo && level < hi) out.push_back(level);
    }
    return out;
}

const std::vector<double>& steps_125() {
    static const std::vector<double> steps = [] {
        std::vector<double> out;
        for (int e = -6; e <= 6; ++e)
            for (double m : {1.0, 2.0, 5.0}) out.push_back(m * std::pow(10.0, e));
        return out;
    }();
    return steps;
}

#include "ui/fit_limits.h"

#include <algorithm>
#include <cmath>

#include "plot/round_steps.h"
#include "ui/profile_plot.h"
#include "ui/section_window.h"

std::optional<std::pair<double, double>> fitted_limits(const CruiseData& d, int var, int first, int last) {
    first = std::max(first, 1), last = std::min(last, kMaxCast);
    double lo = INFINITY, hi = -INFINITY;
    for (int c = first; c <= last; ++c) {
        if (d.castfile[c].empty()) continue;
        const int n = d.npts[c] > 0 ? int(std::min<double>(d.npts[c], kMaxScan)) : 0;
        for (int k = 1; k <= n; ++k) {
            const Cell& cell = d.castdat(c, k, var);
            if (cell.is_set() && std::isfinite(cell.value()))
                lo = std::min(lo, cell.value()), hi = std::max(hi, cell.value());
        }
    }
    if (lo > hi) return std::nullopt;
    if (var == kDepth) {
        lo = std::min(lo, 0.0);
        if (hi <= lo) hi = lo + 1;  // one depth: a metre below it
    }
    const RoundAxis axis = round_axis(lo, hi);
    const double bottom = d.scrlim(var, 2), top = d.scrlim(var, 1);
    const double a = std::clamp(axis.lo, std::min(bottom, top), std::max(bottom, top));
    const double b = std::clamp(axis.hi, std::min(bottom, top), std::max(bottom, top));
    if (!(a < b)) return std::nullopt;
    return std::pair{a, b};
}

void fit_limits(CruiseData& d, int first, int last) {
    for (int var = kDepth; var <= kMaxVar; ++var)
        if (const auto limits = fitted_limits(d, var, first, last)) {
            d.axlim(var, 1) = limits->first;
            d.axlim(var, 2) = limits->second;
        }
}

namespace {

void refit(Viewer& v, int first, int last) {
    fit_limits(v.d, first, last);
    drawaxes(v);
    drawcast(v, static_cast<int>(v.d.curcast));
    draw_section(v);
}

}  // namespace

namespace quenvar {

void fitcruise_Click(Viewer& v) { refit(v, 1, std::clamp(int(v.d.ncast), 0, kMaxCast)); }

void fitcast_Click(Viewer& v) {
    const int c = std::clamp(int(v.d.curcast), 0, kMaxCast);
    if (c >= 1) refit(v, c, c);
}

}  // namespace quenvar

#include "ui/fit_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using Limits = std::optional<std::pair<double, double>>;

// Fills `var` of cast c with `values` from scan 1; a NaN leaves its cell unset.
void fill(CruiseData& d, int c, int var, const std::vector<double>& values) {
    d.castfile[c] = "c" + std::to_string(c);
    d.npts[c] = std::max<double>(d.npts[c], double(values.size()));
    for (int k = 1; k <= int(values.size()); ++k)
        if (!std::isnan(values[std::size_t(k - 1)])) d.castdat(c, k, var) = values[std::size_t(k - 1)];
}

// Round limits over the casts' stored values, held inside the scroll range
// (depth 0..500, temperature -2..30, salinity 28..37, transmission 3..5).
TEST(FittedLimits, RoundAndInsideTheScrollRange) {
    // clang-format off
    struct Row {
        const char* name; int var; std::vector<std::vector<double>> casts; Limits want; int first = 1, last = 3;
    };
    const Row rows[] = {
        {"over every cast", kTemp, {{14.58, 14.9}, {15.03}}, std::pair(14.5, 15.1)},
        {"unset cells do not count", kTemp, {{NAN, 14.9}, {NAN, 15.03}}, std::pair(14.9, 15.04)},
        {"a single scan", kTemp, {{14.6}}, std::pair(14.0, 15.2)},
        {"over the casts asked for", kTemp, {{14.58}, {20}}, std::pair(14.0, 15.2), 1, 1},
        {"no value: kept", kFluor, {{NAN}, {}}, std::nullopt},
        {"held at the top of the scroll range", kSalt, {{36.2}, {38.5}}, std::pair(36.0, 37.0)},
        {"wholly beyond it: kept", kTrans, {{245}, {254}}, std::nullopt},
        {"depth from the surface", kDepth, {{1.4, 11.6}, {9.1}}, std::pair(0.0, 12.0)},
        {"negative depths: from -4, held at 0", kDepth, {{-3.2, 11.6}}, std::pair(0.0, 12.0)},
        {"a lone depth of 0: one metre", kDepth, {{0}}, std::pair(0.0, 1.0)},
    };  // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CruiseData d;
        set_start_values(d);
        for (int c = 1; c <= int(r.casts.size()); ++c) fill(d, c, r.var, r.casts[std::size_t(c - 1)]);
        d.npts[3] = 1, d.castdat(3, 1, r.var) = 1e6;  // a cast no load filled
        EXPECT_EQ(fitted_limits(d, r.var, r.first, r.last), r.want);
    }
}

// "Fit to cast" fits the current cast alone, "Fit to cruise" every cast;
// each redraws the frame and the T-S diagram, and keeps the limits of a
// variable without data.
TEST(FitLimits, MenuEntriesRedraw) {
    FakeViewer f;
    FakePlotWindow ts;
    ts.visible = true, f.viewer.ts = &ts;
    fill(f.d, 1, kTemp, {14.58, 14.9}), fill(f.d, 2, kTemp, {9.2}), fill(f.d, 2, kDepth, {40});
    f.d.ncast = 2, f.d.curcast = 1;
    const auto limits = [&f](int var) { return std::pair(f.d.axlim(var, 1).value(), f.d.axlim(var, 2).value()); };
    quenvar::fitcast_Click(f.viewer);
    EXPECT_EQ(limits(kTemp), std::pair(14.55, 14.9));
    EXPECT_TRUE(f.quenvar.plot.calls().at(0).op == RecordingSurface::Op::Cls && !ts.plot.calls().empty());
    quenvar::fitcruise_Click(f.viewer);
    EXPECT_EQ(std::tuple(limits(kTemp), limits(kDepth), limits(kSalt)),
              std::tuple(std::pair(9.0, 15.0), std::pair(0.0, 40.0), std::pair(31.0, 36.0)));
}

}  // namespace

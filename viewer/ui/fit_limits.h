#pragma once

#include <optional>
#include <utility>

#include "ui/viewer.h"

// Axis limits that fit the data.

// Round limits (round_axis) that bracket every stored value of `var` in the
// loaded casts first..last (scans 1..npts with the cell set), held inside the
// limits dialog's scroll range (scrlim). Depth runs from 0, or from its
// shallowest value when that is negative, to its deepest; a lone depth of 0
// gives 0..1. Nothing when the casts hold no value of `var`, or when the
// range held inside the scroll range is empty.
std::optional<std::pair<double, double>> fitted_limits(const CruiseData& d, int var, int first, int last);

// Sets axlim of every variable (depth to transmission) to fitted_limits over
// casts first..last; a variable with none keeps its limits.
void fit_limits(CruiseData& d, int first, int last);

namespace quenvar {
// "Fit to cruise": every loaded cast; "Fit to cast": the current cast. Then
// the profile frame, the current cast (with the T-S diagram) and the section
// are drawn again.
void fitcruise_Click(Viewer& v);
void fitcast_Click(Viewer& v);
}  // namespace quenvar

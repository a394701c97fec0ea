#pragma once

// Conductivity of sea water of practical salinity 35 at 15 deg C (IPTS-68)
// and atmospheric pressure, C(35, 15, 0), in S/m (42.914 mS/cm).
inline constexpr double kStandardConductivity = 4.2914;

// Practical Salinity (PSS-78) from the conductivity ratio r = C(S, t, p) /
// C(35, 15, 0), temperature t68 (deg C, IPTS-68; an ITS-90 temperature is
// 1.00024 times smaller) and sea pressure p (dbar), by the UNESCO 1983
// algorithm (Fofonoff and Millard, Algorithms for computation of fundamental
// properties of seawater, UNESCO Tech. Pap. Mar. Sci. 44, pp. 6-12): r = 1,
// 15 deg C, 0 dbar gives 35.000. A ratio of 0 or less (the cell in air) gives
// 0. Defined for 2 to 42; outside that the formula is extrapolated, and
// where it fails (temperatures far from any ocean's) the result is not finite.
[[nodiscard]] double practical_salinity(double r, double t68, double p);

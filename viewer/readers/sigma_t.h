#pragma once

// Sigma-t, the density anomaly of sea water at atmospheric pressure
// (density in kg/m^3 less 1000), from temperature t (deg C) and salinity s
// (parts per thousand, or practical salinity).
//
// Source: the classical sigma-t formula of Knudsen's tables (M. Knudsen, ed.,
// Hydrographical Tables, G.E.C. Gad, Copenhagen 1901): sigma-t =
// sigma0 (1 - At + sigma0 Bt) + Sigma_t, with sigma0 a cubic in salinity, At
// and Bt cubics in temperature, and the pure-water term Sigma_t written as one
// polynomial quotient in t over (t + 67.26). This is not the 1980 equation of
// state of sea water; the two differ by up to a few hundredths.
//
// Store cells passed in unset count as 0, so sigmat(0, 0) is sigma0 alone,
// -0.093446. At t = -67.26 the quotient's denominator is zero and the result
// is not finite; no sea water comes near that temperature.
double sigmat(double t, double s);

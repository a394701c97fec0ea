#pragma once

// Sigma-t (density anomaly, kg/m^3 - 1000) of sea water at temperature t (deg C)
// and salinity s.
double sigmat(double t, double s);

#pragma once

// Depth in metres of sea water at pressure `pressure_dbar` (decibars) and
// latitude `latitude_deg` (degrees, either sign), by the UNESCO 1983 formula
// (Fofonoff and Millard, Algorithms for computation of fundamental properties
// of seawater, UNESCO Tech. Pap. Mar. Sci. 44, p. 28): 10000 dbar at 30
// degrees gives 9712.653 m.
[[nodiscard]] double unesco_depth(double pressure_dbar, double latitude_deg);

// unesco_depth at one latitude, its gravity worked out once.
class UnescoDepth {
public:
    explicit UnescoDepth(double latitude_deg);
    [[nodiscard]] double operator()(double pressure_dbar) const;

private:
    double gravity_;  // at the surface, m/s^2
};

// The pressure in decibars at which unesco_depth gives `depth_m` at
// `latitude_deg`: the formula inverted by Newton's method, to 1e-9 dbar.
[[nodiscard]] double unesco_pressure(double depth_m, double latitude_deg);

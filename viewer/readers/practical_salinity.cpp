#include "readers/practical_salinity.h"

#include <cmath>

double practical_salinity(double r, double t68, double p) {
    if (!(r > 0)) return 0;
    const double t = t68;
    // rt: the conductivity ratio of standard sea water at t; rp: the pressure correction.
    const double rt = (((1.0031e-9 * t - 6.9698e-7) * t + 1.104259e-4) * t + 2.00564e-2) * t + 0.6766097;
    const double rp = 1 + p * (2.070e-5 + p * (-6.370e-10 + p * 3.989e-15)) /
                              (1 + t * (3.426e-2 + t * 4.464e-4) + r * (4.215e-1 - 3.107e-3 * t));
    const double ratio = r / (rp * rt);
    if (!(ratio >= 0)) return NAN;
    const double x = std::sqrt(ratio);  // Rt^(1/2)
    const double dt = t - 15;
    const double ds =
        dt / (1 + 0.0162 * dt) * (((((-0.0144 * x + 0.0636) * x - 0.0375) * x - 0.0066) * x - 0.0056) * x + 0.0005);
    return ((((2.7081 * x - 7.0261) * x + 14.0941) * x + 25.3851) * x - 0.1692) * x + 0.0080 + ds;
}

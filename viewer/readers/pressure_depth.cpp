#include "readers/pressure_depth.h"

#include <cmath>

double unesco_depth(double p, double latitude_deg) {
    const double x = std::pow(std::sin(latitude_deg / 57.29578), 2);
    // Gravity at the latitude, with the mean vertical gradient of 2.184e-6 /m.
    const double gr = 9.780318 * (1.0 + (5.2788e-3 + 2.36e-5 * x) * x) + 1.092e-6 * p;
    return (((-1.82e-15 * p + 2.279e-10) * p - 2.2512e-5) * p + 9.72659) * p / gr;
}

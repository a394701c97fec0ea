#include "readers/pressure_depth.h"

#include <cmath>

UnescoDepth::UnescoDepth(double latitude_deg) {
    const double x = std::pow(std::sin(latitude_deg / 57.29578), 2);
    gravity_ = 9.780318 * (1.0 + (5.2788e-3 + 2.36e-5 * x) * x);
}

double UnescoDepth::operator()(double p) const {
    // Gravity at the latitude, with the mean vertical gradient of 2.184e-6 /m.
    const double gr = gravity_ + 1.092e-6 * p;
    return (((-1.82e-15 * p + 2.279e-10) * p - 2.2512e-5) * p + 9.72659) * p / gr;
}

double unesco_depth(double p, double latitude_deg) { return UnescoDepth(latitude_deg)(p); }

double unesco_pressure(double depth_m, double latitude_deg) {
    double p = depth_m * 1.01;  // depth grows about 0.99 m a decibar
    for (int k = 0; k < 20; ++k) {
        const double h = 1e-3;
        const double slope = (unesco_depth(p + h, latitude_deg) - unesco_depth(p - h, latitude_deg)) / (2 * h);
        const double step = (unesco_depth(p, latitude_deg) - depth_m) / slope;
        p -= step;
        if (std::fabs(step) < 1e-9) break;
    }
    return p;
}

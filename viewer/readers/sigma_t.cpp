#include "readers/sigma_t.h"

// Every polynomial is evaluated innermost bracket first, with the
// coefficients of the tables exactly as written.
double sigmat(double t, double s) {
    const double sigma0 = ((6.76786136e-6 * s - 4.8249614e-4) * s + 0.814876577) * s - 0.0934458632;
    const double a = ((-1.0843e-6 * t + 9.8185e-5) * t - 4.7867e-3) * t + 1;  // 1 - At
    const double b = ((1.667e-8 * t - 8.164e-7) * t + 1.803e-5) * t;          // Bt
    const double p = (((-1.4380306e-7 * t - 1.98248399e-3) * t - 0.545939111) * t + 4.53168426) * t;
    return sigma0 * (a + sigma0 * b) + p / (t + 67.26);
}

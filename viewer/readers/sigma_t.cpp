#include "readers/sigma_t.h"

double sigmat(double, double) { return 0; }

#include "print/station_plot.h"

void staprint(Viewer&, bool) {}

#pragma once

#include "ui/viewer.h"

// Prints the station plot (dots, labels, coastline, frame, title), joining
// consecutive casts when `withtrack`, then redraws the current cast.
void staprint(Viewer& v, bool withtrack);

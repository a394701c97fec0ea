#pragma once

#include "ui/viewer.h"

// Prints the cast report: selector 0 the current cast, 1 every cast.
void print_casts(Viewer& v, int selector);

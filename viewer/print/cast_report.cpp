#include "print/cast_report.h"

void print_casts(Viewer&, int) {}

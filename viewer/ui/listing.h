#pragma once

#include "ui/viewer.h"

// Rewrites the six rows of the listing with scans p..p+5 of curcast. Row i
// (1..6) is blanked by a filled box (1, i + 0.9)-(50, i + 1.7) in the window's
// BackColor, then its text is printed at (2, i + 1) in the window's ForeColor.
// The row form follows ncol: 5 lists all six values, 4 all but transmission;
// any other ncol lists depth, temperature, salinity and sigma-t for casts from
// 50 on and nothing for casts below. Scans outside 1..npts(curcast) stay
// blank. Relies on the FillStyle 0 that the heading step sets.
void listcast(Viewer& v, int p);

namespace lister {
// The scroll box moved: list from its value.
void VScroll1_Change(Viewer& v);
}  // namespace lister

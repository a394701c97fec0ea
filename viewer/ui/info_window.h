#pragma once

#include "ui/viewer.h"

// Rewrites the six fields of the information window for curcast, each text
// built whole and then set, in the order labsta, lablat, lablong, labdate,
// labbot, labhour. Unset header cells show as 0 does in their pattern (an
// empty day, a lone point for the hour), so cast 0 before any load fills the
// fields without failing. A loaded cast without a position leaves the two
// position fields empty.
void showinfo(Viewer& v);

#pragma once

#include "ui/viewer.h"

// Rewrites the six rows of the listing with scans p..p+5 of curcast.
void listcast(Viewer& v, int p);

namespace lister {
// The scroll box moved: list from its value.
void VScroll1_Change(Viewer& v);
}  // namespace lister

#pragma once

#include "ui/viewer.h"

// Rewrites the six fields of the information window for curcast.
void showinfo(Viewer& v);

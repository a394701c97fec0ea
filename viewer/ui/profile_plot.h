#pragma once

#include "ui/viewer.h"

// Clears the main window to varcol(1) and draws the profile frame in user
// coordinates (-10, -40)-(110, 110): the four coloured value axes with titles
// and limit labels, and the depth axis. Leaves ForeColor as it found it.
void drawaxes(Viewer& v);

// p >= 0 draws the profiles of curcast, fills station p's marker on the map,
// sets the title and refreshes the information window and the listing (the
// scroll range becomes 1..npts, which may list from the moved scroll box
// before the listing from scan 1), then the T-S diagram.
// p < 0 erases the profiles of curcast by drawing them again in the background
// colour and resets station -p's marker; nothing else changes.
// A segment is drawn only when both ends lie strictly inside (1, 100) plot
// units on both axes. With curcast or |p| outside the store's casts nothing
// happens. drawcast(-0) draws: cast 0 has no erase.
void drawcast(Viewer& v, int p);

namespace quenvar {
// Cls, Scale, drawaxes, drawcast(curcast).
void Form_Resize(Viewer& v);
// Right (39) and left (37) arrows step through the casts with wrap-around;
// every other key, and the shift state, is ignored.
void Form_KeyDown(Viewer& v, int key_code, int shift);
}  // namespace quenvar

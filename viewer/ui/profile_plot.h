#pragma once

#include "ui/viewer.h"

// Clears the main window and draws the profile frame: the four coloured value
// axes with titles and limit labels, and the depth axis.
void drawaxes(Viewer& v);

// p >= 0 draws the profiles of curcast, fills station p's marker on the map,
// sets the title and refreshes the information window and the listing.
// p < 0 erases the profiles of curcast by drawing them again in the background
// colour and resets station -p's marker.
void drawcast(Viewer& v, int p);

namespace quenvar {
// Cls, Scale, drawaxes, drawcast(curcast).
void Form_Resize(Viewer& v);
// Right (39) and left (37) arrows step through the casts with wrap-around.
void Form_KeyDown(Viewer& v, int key_code, int shift);
}  // namespace quenvar

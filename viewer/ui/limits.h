#pragma once

#include "ui/viewer.h"

// Sets the limits dialog up for selvar and shows it.
void showlimits(Viewer& v);

namespace quenvar {
// The five "&Limits" entries: selvar = 1..5, then showlimits.
void depth_Click(Viewer& v);
void temp_Click(Viewer& v);
void salt_Click(Viewer& v);
void fluor_Click(Viewer& v);
void sigma_Click(Viewer& v);
}  // namespace quenvar

namespace limitbox {
void minscrol_Change(Viewer& v);
void maxscrol_Change(Viewer& v);
// Accepts the pair of scroll values when min < max, else refuses it.
void limitok_Click(Viewer& v);
}  // namespace limitbox

#include "ui/limits.h"

void showlimits(Viewer&) {}

namespace quenvar {
void depth_Click(Viewer&) {}
void temp_Click(Viewer&) {}
void salt_Click(Viewer&) {}
void fluor_Click(Viewer&) {}
void sigma_Click(Viewer&) {}
}  // namespace quenvar

namespace limitbox {
void minscrol_Change(Viewer&) {}
void maxscrol_Change(Viewer&) {}
void limitok_Click(Viewer&) {}
}  // namespace limitbox

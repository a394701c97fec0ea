#include "ui/profile_plot.h"

void drawaxes(Viewer&) {}
void drawcast(Viewer&, int) {}

namespace quenvar {
void Form_Resize(Viewer&) {}
void Form_KeyDown(Viewer&, int, int) {}
}  // namespace quenvar

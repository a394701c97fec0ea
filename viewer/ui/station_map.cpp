#include "ui/station_map.h"

void stamap(Viewer&) {}

namespace Stations {
void Form_Resize(Viewer&) {}
void Form_MouseDown(Viewer&, int, int, double, double) {}
}  // namespace Stations

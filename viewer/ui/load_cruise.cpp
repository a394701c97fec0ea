#include "ui/load_cruise.h"

void readsb911(Viewer&, const std::string&) {}
void readbongo(Viewer&, const std::string&) {}
void load_file(Viewer&, const std::string&) {}

#pragma once

#include <string>

#include "ui/viewer.h"

// Loads an SB911 cruise from its header file (*.hdr) and redraws.
void readsb911(Viewer& v, const std::string& path);
// Loads a Bongo-SB cruise from its header.dat and redraws.
void readbongo(Viewer& v, const std::string& path);
// A file named on the command line: header.dat goes to readbongo, any other
// file to readsb911.
void load_file(Viewer& v, const std::string& path);

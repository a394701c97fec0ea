#pragma once

#include <string>

#include "ui/viewer.h"

// The "T-S Diagram" window: it follows the current cast and the limits.

// Clears the T-S window and draws the diagram of curcast, when the window
// exists and is shown. drawcast calls it after every cast it draws.
void draw_ts(Viewer& v);

// The end of a load: the window is shown (drawcast then draws it).
void show_ts(Viewer& v);

// The title of the printed T-S page: the cruise's folder name, the current
// cast's number and its station when it has one.
std::string ts_title(const Viewer& v);

// Writes the T-S page of curcast to `output` as one print job; the status
// line says which file was written. True when the PDF was written.
[[nodiscard]] bool print_ts(Viewer& v, const std::string& output);

namespace TS {
inline constexpr double pick_pixels = 4;  // how near a press must come to a dot

void Form_Resize(Viewer& v);
// A press of any button at (x, y), canvas units, on or near a dot: the
// nearest scan within pick_pixels makes its cast current as a click on the
// map does (erase, curcast, draw), and the listing scrolls to that scan. A
// miss changes nothing.
void Form_MouseDown(Viewer& v, int button, int shift, double x, double y);
}  // namespace TS

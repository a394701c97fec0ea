#pragma once

#include <string>
#include <vector>

#include "ui/viewer.h"

// The "Section" window, its dialog and its report.

// The variables a section may show: temperature, salinity, fluorescence,
// sigma-t, and transmission when the cruise has it (ncol 5).
std::vector<int> section_variables(const CruiseData& d);

// Clears the Section window and draws v.section_choice, when the window
// exists and is shown.
void draw_section(Viewer& v);

// The end of a load: the section runs over all casts again and keeps its
// variable while the new cruise has it (else temperature); the window is
// drawn again.
void section_loaded(Viewer& v);

// The section's title: the cruise's folder name, the variable and the casts
// it runs over ("EN617: temperature, casts 001 to 035").
std::string section_title(const Viewer& v, const SectionGrid& sec);

// Writes the section of v.section_choice to `output` as one landscape print
// job; the status line says which file was written. When the choice holds no
// cast with a position and data nothing is written, the status line says so
// and the result is false.
[[nodiscard]] bool print_section(Viewer& v, const std::string& output);

namespace quenvar {
// Menu "Section", "Section...": offers the dialog set to the present choice.
void section_Click(Viewer& v);
}  // namespace quenvar

namespace sectionbox {
// Takes the dialog's choice (first and last in order), hides the dialog,
// shows the Section window and draws it.
void ok_Click(Viewer& v);
}  // namespace sectionbox

namespace Section {
void Form_Resize(Viewer& v);
// A press of any button at x (canvas units) makes the first cast of the
// nearest station current, as a click on the map does.
void Form_MouseDown(Viewer& v, int button, int shift, double x, double y);
}  // namespace Section

#pragma once

#include "terminal.h"

#include <string_view>

namespace halvane {

// True when a grid-option answer (a 72-character text) is `keyword` in lower
// or upper case followed only by blanks: "SINEZ   " matches, " SINEZ",
// "Sinez", "SINE" and "SINEZ now" do not.
bool option_is(std::string_view answer, std::string_view keyword);

// One conversion from start to end: loads the mesh, asks for nnv (again
// after " nnv must be between 1 and 30" until it is 1 to 30) and for the grid
// option (again until it is uniz, UNIZ, sinez or SINEZ), builds the levels,
// loads the .lst file, interpolates, asks for the output name (again, after
// a message naming the clash, while it names one of the input files) and the
// mesh title, and only then writes the .s3r file: under a temporary name
// beside it, renamed into place when complete. A run that ends early, or
// fails while writing, leaves no output file and any former one whole.
//
// Throws InputError for an abnormal end (a missing file, a malformed number,
// an input file or the terminal ending too early, an output file that cannot
// be written) and CapacityStop when the mesh or the .lst file does not fit.
void run_conversion(Terminal& terminal);

}  // namespace halvane

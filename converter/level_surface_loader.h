#pragma once

#include "free_format_reader.h"
#include "input_files.h"
#include "run_store.h"
#include "terminal.h"

#include <span>
#include <string_view>

namespace halvane {

// Loads the .lst file named by `filename` (a 72-character text, used without
// its trailing blanks): two header lines (discarded), the level-surface count
// nlev as the first value of the next line, one free-format read of the nlev
// positions zl (deepest first, in the vertical coordinate of the grids), then
// for node 1 to nn and within it surface 1 to nlev, sigma-t as the first
// value of a line of its own. Blank lines are passed over; the rest of every
// line is ignored; surplus lines are never read.
//
// When nn exceeds nndim or nlev exceeds nlevels the capacity messages are
// written on the terminal and CapacityStop is thrown; nothing more is read.
// nlev below 1, a malformed number, or the end of the file before every value
// is read throw InputError naming the file. Values are not validated.
// Ends by reporting how many values were loaded, e.g. " 7001 x 20 real 3-D ...".
// The file is added to `inputs`.
void loadlst(int nndim, int nlevels, int nn, int& nlev, std::string_view filename, std::span<float> zl,
             NodeTable& sigtl, Terminal& terminal, InputFiles& inputs);

// The same from a reader at the start of its text; reports use its name.
void loadlst(int nndim, int nlevels, int nn, int& nlev, FreeFormatReader& lst, std::span<float> zl, NodeTable& sigtl,
             Terminal& terminal);

}  // namespace halvane
